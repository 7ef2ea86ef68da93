// SPDX-License-Identifier: MIT
#include "ui/options/COptMain.h"

#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"

namespace vistrel::ui {
namespace {

const QString kOk = QStringLiteral("OK");
const QString kCancel = QStringLiteral("キャンセル");
const QString kHtmlGroup = QStringLiteral("出力フォルダ内の既存 HTML ファイルの扱い");
const QString kMainImageGroup = QStringLiteral("出力フォルダ内の既存メイン画像ファイルの扱い");
const QString kThumbImageGroup = QStringLiteral("出力フォルダ内の既存縮小画像ファイルの扱い");
const QString kTypeGroup = QStringLiteral("サムネイル画像のファイルタイプ");
const QString kEffectGroup = QStringLiteral("効果");
const QString kClickGroup = QStringLiteral("メイン画像をクリックしたときの動作");
const QString kCaseGroup = QStringLiteral("画像ファイル名");

std::vector<std::string> utf8(const QStringList& texts) {
    std::vector<std::string> converted;
    for (const QString& text : texts) {
        converted.push_back(text.toStdString());
    }
    return converted;
}

// Every stored setting as "key=value", so that a difference names the setting.
std::vector<std::string> storedTexts(const Settings& settings) {
    std::vector<std::string> texts;
    for (const SettingDescriptor& descriptor : settingsInSaveOrder()) {
        texts.push_back(std::string(descriptor.key) + "=" + settingText(settings, descriptor));
    }
    return texts;
}

// A record whose options sit on buttons other than the first, with a suffix of its own.
Settings optionsInUse() {
    Settings settings = makeDefaultSettings("/home/user/");
    settings.AllowUndo = 1;
    settings.MainImage = 2;
    settings.ThumbImage = 0;
    settings.ThumbType = 1;
    settings.AddString = "_small";
    settings.Unsharp = 1;
    settings.Hover = 0;
    settings.Filter = 2;
    settings.MainClick = 1;
    settings.ImageCase = 0;
    return settings;
}

class TheOptionsDialog : public testing::Test {
protected:
    // Opens the dialog on settings as the options button does, but shown rather than run
    // modally, so that the test can act as the user.
    COptMain& open() {
        m_dialog.emplace(settings, nullptr);
        m_dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*m_dialog));
        return *m_dialog;
    }

    QGroupBox* group(const QString& title) {
        for (QGroupBox* box : m_dialog->findChildren<QGroupBox*>()) {
            if (box->title() == title) {
                return box;
            }
        }
        ADD_FAILURE() << "no group " << title.toStdString();
        return nullptr;
    }

    template <typename Control = QAbstractButton>
    Control* control(QWidget* scope, const QString& text) {
        for (Control* candidate : scope->findChildren<Control*>()) {
            if (candidate->text() == text) {
                return candidate;
            }
        }
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }

    QAbstractButton* button(const QString& groupTitle, const QString& text) {
        return control(group(groupTitle), text);
    }

    // The text of the one checked button of a group, or nullopt when none is checked.
    std::optional<std::string> checkedIn(const QString& groupTitle) {
        std::optional<std::string> checked;
        for (QRadioButton* radio : group(groupTitle)->findChildren<QRadioButton*>()) {
            if (radio->isChecked()) {
                EXPECT_FALSE(checked) << "two checked in " << groupTitle.toStdString();
                checked = radio->text().toStdString();
            }
        }
        return checked;
    }

    // Clicks the middle of the button's caption: a check or radio button wider than its caption
    // takes no click beside it.
    void click(QAbstractButton* target) {
        const QSize caption = target->sizeHint().boundedTo(target->size());
        QTest::mouseClick(target, Qt::LeftButton, {}, QRect(QPoint(), caption).center());
    }

    void chooseTab(const QString& text) {
        QTabBar* bar = m_dialog->findChild<QTabWidget*>()->tabBar();
        for (int index = 0; index < bar->count(); ++index) {
            if (bar->tabText(index) == text) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
                return;
            }
        }
        ADD_FAILURE() << "no tab " << text.toStdString();
    }

    // Types key into target as the focused control.
    void press(QWidget* target, Qt::Key key) {
        target->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), target);
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    Settings settings = optionsInUse();

private:
    std::optional<COptMain> m_dialog;
};

TEST_F(TheOptionsDialog, ShowsItsTextsWithEveryControlAtLeastItsSizeHint) {
    COptMain& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("オプション設定"));
    QStringList tabs;
    const QTabWidget* tabWidget = dialog.findChild<QTabWidget*>();
    for (int index = 0; index < tabWidget->count(); ++index) {
        tabs << tabWidget->tabText(index);
    }
    EXPECT_EQ(utf8(tabs), std::vector<std::string>({"既存ファイル処理", "サムネイル画像",
                                                    "メイン画像", "画像ファイル名"}));

    const QStringList housekeeping = {"削除する", "ごみ箱に入れる", "何もしない"};
    const std::vector<std::pair<QString, QStringList>> groups = {
        {kHtmlGroup, housekeeping},
        {kMainImageGroup, housekeeping},
        {kThumbImageGroup, housekeeping},
        {kTypeGroup, {"PNG", "JPEG", "GIF"}},
        {QStringLiteral("鮮鋭化処理"), {"サムネイル画像を鮮鋭化する"}},
        {kEffectGroup, {"マウスオーバーで枠線追加", "無し", "透過", "ドロップシャドウ"}},
        {kClickGroup,
         {"何もしない", "サムネイルページへ戻る", "次の画像に移動", "画像へ直リンク（原寸表示）"}},
        {kCaseGroup, {"大文字にする", "小文字にする", "変更しない"}},
    };
    for (const auto& [title, expected] : groups) {
        QStringList texts;
        for (const QAbstractButton* each : group(title)->findChildren<QAbstractButton*>()) {
            texts << each->text();
        }
        EXPECT_EQ(utf8(texts), utf8(expected)) << title.toStdString();
    }
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    labels.sort();
    EXPECT_EQ(utf8(labels), utf8({"※　但し、入力フォルダと出力フォルダが同じ場合は何もしません",
                                  "※　但し、入力フォルダと出力フォルダが同じ場合は常に削除します",
                                  "フィルター", "元のファイル名末尾に追加する文字列"}));
    EXPECT_TRUE(control<QPushButton>(&dialog, kOk)->isDefault());
    EXPECT_NE(control<QPushButton>(&dialog, kCancel), nullptr);

    const QTabBar* tabBar = tabWidget->tabBar();
    EXPECT_GE(tabBar->width(), tabBar->sizeHint().width()) << "every tab in sight";

    // Every page in turn, so that each is laid out as the user sees it.
    for (const QString& tab : tabs) {
        chooseTab(tab);
        for (const QWidget* widget : tabWidget->currentWidget()->findChildren<QWidget*>()) {
            const QSize hint = widget->sizeHint();
            EXPECT_GE(widget->width(), hint.width()) << widget->objectName().toStdString();
            EXPECT_GE(widget->height(), hint.height()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(TheOptionsDialog, OpensEachSettingOnItsButton) {
    open();
    EXPECT_EQ(checkedIn(kHtmlGroup), "ごみ箱に入れる");
    EXPECT_EQ(checkedIn(kMainImageGroup), "何もしない");
    EXPECT_EQ(checkedIn(kThumbImageGroup), "削除する");
    EXPECT_EQ(checkedIn(kTypeGroup), "JPEG");
    EXPECT_EQ(control<QLineEdit>(group("サムネイル画像ファイル名"), "_small")->text(), "_small");
    EXPECT_TRUE(control(group("鮮鋭化処理"), "サムネイル画像を鮮鋭化する")->isChecked());
    EXPECT_FALSE(button(kEffectGroup, "マウスオーバーで枠線追加")->isChecked());
    EXPECT_EQ(checkedIn(kEffectGroup), "ドロップシャドウ");
    EXPECT_EQ(checkedIn(kClickGroup), "サムネイルページへ戻る");
    EXPECT_EQ(checkedIn(kCaseGroup), "大文字にする");
}

TEST_F(TheOptionsDialog, ShowsAHandEditedValueOnTheButtonThatStandsForIt) {
    settings.AllowUndo = 9;
    settings.ThumbType = -1;
    settings.MainClick = 3;
    settings.ImageCase = 7;
    settings.Unsharp = 5;
    open();
    EXPECT_EQ(checkedIn(kHtmlGroup), "何もしない");
    EXPECT_EQ(checkedIn(kTypeGroup), "GIF");
    EXPECT_EQ(checkedIn(kClickGroup), "画像へ直リンク（原寸表示）");
    EXPECT_EQ(checkedIn(kCaseGroup), "変更しない");
    EXPECT_TRUE(control(group("鮮鋭化処理"), "サムネイル画像を鮮鋭化する")->isChecked());
}

TEST_F(TheOptionsDialog, KeepsAValueNoButtonNamesThroughOk) {
    settings.Filter = 5;
    settings.MainClick = -1;
    COptMain& dialog = open();
    EXPECT_EQ(checkedIn(kEffectGroup), std::nullopt);
    EXPECT_EQ(checkedIn(kClickGroup), std::nullopt);
    click(control(&dialog, kOk));
    EXPECT_EQ(settings.Filter, 5);
    EXPECT_EQ(settings.MainClick, -1);
}

TEST_F(TheOptionsDialog, OkUntouchedKeepsEverySettingButAnEmptySuffix) {
    const std::vector<std::string> before = storedTexts(settings);
    click(control(&open(), kOk));
    EXPECT_EQ(storedTexts(settings), before);

    settings.AddString.clear();
    COptMain& dialog = open();
    QSignalSpy finished(&dialog, &QDialog::finished);
    click(control(&dialog, kOk));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.AddString, "_thumb");
    settings.AddString = "_small";
    EXPECT_EQ(storedTexts(settings), before);
}

TEST_F(TheOptionsDialog, OkStoresWhatTheUserChoseAndCancelNothing) {
    const auto choose = [this] {
        click(button(kHtmlGroup, "削除する"));
        click(button(kMainImageGroup, "ごみ箱に入れる"));
        click(button(kThumbImageGroup, "何もしない"));
        chooseTab("サムネイル画像");
        click(button(kTypeGroup, "GIF"));
        QLineEdit* suffix = control<QLineEdit>(group("サムネイル画像ファイル名"), "_small");
        suffix->selectAll();
        QTest::keyClicks(suffix, "_mini");
        click(control(group("鮮鋭化処理"), "サムネイル画像を鮮鋭化する"));
        click(button(kEffectGroup, "マウスオーバーで枠線追加"));
        click(button(kEffectGroup, "無し"));
        chooseTab("メイン画像");
        click(button(kClickGroup, "画像へ直リンク（原寸表示）"));
        chooseTab("画像ファイル名");
        click(button(kCaseGroup, "小文字にする"));
    };
    const std::vector<std::string> before = storedTexts(settings);
    COptMain& cancelled = open();
    choose();
    click(control(&cancelled, kCancel));
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(storedTexts(settings), before);

    COptMain& confirmed = open();
    choose();
    click(control(&confirmed, kOk));
    EXPECT_EQ(settings.AllowUndo, 0);
    EXPECT_EQ(settings.MainImage, 1);
    EXPECT_EQ(settings.ThumbImage, 2);
    EXPECT_EQ(settings.ThumbType, 2);
    EXPECT_EQ(settings.AddString, "_mini");
    EXPECT_EQ(settings.Unsharp, 0);
    EXPECT_EQ(settings.Hover, 1);
    EXPECT_EQ(settings.Filter, 0);
    EXPECT_EQ(settings.MainClick, 3);
    EXPECT_EQ(settings.ImageCase, 1);
}

TEST_F(TheOptionsDialog, TakesNoEnterOrEscapeOnTheThumbnailAndFileNamePages) {
    COptMain& dialog = open();
    QSignalSpy finished(&dialog, &QDialog::finished);
    chooseTab("サムネイル画像");
    for (QWidget* target : {static_cast<QWidget*>(control<QLineEdit>(&dialog, "_small")),
                            static_cast<QWidget*>(button(kTypeGroup, "PNG"))}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            press(target, key);
        }
    }
    chooseTab("画像ファイル名");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        press(button(kCaseGroup, "変更しない"), key);
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TheOptionsDialog, AnswersEnterAndEscapeOnTheExistingFilesAndMainImagePages) {
    COptMain& confirmed = open();
    click(button(kHtmlGroup, "何もしない"));
    press(button(kHtmlGroup, "何もしない"), Qt::Key_Return);
    EXPECT_EQ(confirmed.result(), QDialog::Accepted);
    EXPECT_FALSE(confirmed.isVisible());
    EXPECT_EQ(settings.AllowUndo, 2);

    COptMain& cancelled = open();
    click(button(kHtmlGroup, "削除する"));
    press(button(kHtmlGroup, "削除する"), Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(settings.AllowUndo, 2);

    COptMain& onMainImage = open();
    chooseTab("メイン画像");
    press(button(kClickGroup, "次の画像に移動"), Qt::Key_Enter);
    EXPECT_EQ(onMainImage.result(), QDialog::Accepted);
}

} // namespace
} // namespace vistrel::ui
