// SPDX-License-Identifier: MIT
#include "ui/window/MainWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "app/SettingsPagesStart.h"
#include "ui/about/ProductText.h"
#include "ui/controls/CIconButton.h"
#include "ui/icons/IconPaths.h"
#include "ui/pages/comment/CPage2.h"
#include "ui/pages/general/CPage1.h"
#include "ui/pages/html1/CPage3.h"
#include "ui/pages/html2/CPage4.h"
#include "ui/pages/music/CPage6.h"
#include "ui/pages/slideshow/CPage5.h"
#include "ui/shell/QtText.h"
#include "ui/window/CPreview.h"
#include "ui/window/EdgeGrowth.h"
#include "ui/window/ImageListModel.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindowTable.h"
#include "ui/window/PreviewLoader.h"
#include "ui/window/SettingsTabs.h"

namespace vistrel::ui {
namespace {

constexpr const char* kWindowTitle = "Vistrel !!";
constexpr std::array<const char*, SettingsTabs::kPageCount> kTabCaptions{
    "全般", "コメント", "HTML ①", "HTML ②", "スライドショー", "音楽"};
// The widest count label the list can need, so that the label never cuts its numbers.
constexpr const char* kWidestCountLabel = "（総数 ： 99999　選択数 : 99999）";
constexpr int kIconSize = 16;

// The type check boxes in the order of TypeBox.
constexpr std::array<int, 4> kTypeBoxIds{control::kAllFiles, control::kJpeg, control::kPng,
                                         control::kGif};

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    const QString caption = qText(row.caption);
    switch (row.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        return edit;
    }
    case ControlKind::IconButton: {
        auto* button = new CIconButton(parent);
        button->setText(caption);
        return button;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::List:
        return new ImageListView(parent);
    case ControlKind::Preview:
        return new CPreview(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::TabControl:
        return new SettingsTabs(parent);
    case ControlKind::ProgramIcon:
        return new QToolButton(parent);
    }
    return nullptr;
}

// The room a control needs: what it shows in full for the controls with a text, at least the
// smallest size it works at for the others.
QSize neededSize(const ControlRow& row, const QWidget& widget) {
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::Button:
    case ControlKind::IconButton:
    case ControlKind::GroupBox:
    case ControlKind::ProgramIcon:
        return widget.sizeHint().expandedTo(widget.minimumSizeHint());
    case ControlKind::Preview:
        return {};
    default:
        return widget.minimumSizeHint();
    }
}

} // namespace

MainWindow::MainWindow(Settings& settings, const WindowSeams& seams, PreviewDecoder& decoder)
    : QDialog(nullptr), m_settings(settings), m_seams(seams),
      m_panel(settings), m_pageContext{settings,
                                       seams,
                                       m_panel,
                                       m_settingsChanges,
                                       [this](int row) { rowClicked(row); },
                                       [this] { applyModeRule(); }} {
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    m_settingsChanges.addObserver(this);
    m_loader = new PreviewLoader(
        decoder, [this](const PreviewResult& result) { previewShown(result); }, this);

    createControls();
    setWindowIcon(QIcon(icons::kProgram));
    wireControls();

    // The toggle's caption and the type boxes from the settings, the columns and the sort mark.
    m_selectAll->setText(qText(m_panel.selectAllCaption()));
    showTypeBoxes();
    m_list->showSortMark(m_panel.list().sortColumn(), m_panel.list().sortFlag());

    // The folder box takes ImagePath, which makes the first scan.
    m_folderBox->setText(qText(m_settings.ImagePath));
    m_panel.setFolderText(m_settings.ImagePath);
    showCounts();

    for (const char* caption : kTabCaptions) {
        m_tabs->addTab(QString::fromUtf8(caption));
    }
    createPages();

    layOutControls();
    m_list->setStartColumnWidths();
}

MainWindow::~MainWindow() {
    // The decode under way ends, and the controls and the list model go, before the panel,
    // list and settings changes they read from.
    delete m_loader;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete m_model;
    m_settingsChanges.removeObserver(this);
}

QWidget* MainWindow::control(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void MainWindow::createControls() {
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* widget = makeControl(row, this);
        m_rowWidgets.push_back(widget);
        if (row.id != 0) {
            m_controls[row.id] = widget;
        }
    }
    m_folderBox = qobject_cast<QLineEdit*>(control(control::kFolderBox));
    m_countLabel = qobject_cast<QLabel*>(control(control::kCountLabel));
    m_selectAll = qobject_cast<QPushButton*>(control(control::kSelectAll));
    m_list = qobject_cast<ImageListView*>(control(control::kFileList));
    m_preview = qobject_cast<CPreview*>(control(control::kPreview));
    m_resolution = qobject_cast<QLineEdit*>(control(control::kResolution));
    m_colours = qobject_cast<QLineEdit*>(control(control::kColours));
    m_tabs = qobject_cast<SettingsTabs*>(control(control::kTabs));
    for (std::size_t i = 0; i < kTypeBoxIds.size(); ++i) {
        m_typeBoxes.at(i) = qobject_cast<QCheckBox*>(control(kTypeBoxIds.at(i)));
    }
    qobject_cast<QLabel*>(control(control::kSecondLine))->setText(qText(kSecondLine));

    m_model = new ImageListModel(m_panel, this);
    m_list->setModel(m_model);

    // No button may take Enter: the window does not close on it.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    const std::array<std::pair<int, const char*>, 6> buttonIcons{{
        {control::kBrowse, icons::kBrowse},
        {control::kExit, icons::kExit},
        {control::kHelp, icons::kHelp},
        {control::kView, icons::kView},
        {control::kCreate, icons::kCreate},
        {control::kOptions, icons::kOptions},
    }};
    for (const auto& [id, icon] : buttonIcons) {
        qobject_cast<CIconButton*>(control(id))
            ->SetIcon(QString::fromUtf8(icon), kIconSize, kIconSize);
    }
    // The two-character captions of the busiest buttons sit a little further from the edge.
    qobject_cast<CIconButton*>(control(control::kCreate))->SetIconMargin(10);
    qobject_cast<CIconButton*>(control(control::kExit))->SetIconMargin(8);

    auto* browse = control(control::kBrowse);
    browse->setToolTip(QStringLiteral("フォルダを選ぶ"));
    browse->setAccessibleName(QStringLiteral("画像の有るフォルダを選ぶ"));

    auto* programIcon = qobject_cast<QToolButton*>(control(control::kProgramIcon));
    programIcon->setAutoRaise(true);
    programIcon->setIcon(QIcon(icons::kProgram));
    programIcon->setIconSize(QSize(32, 32));
    programIcon->setToolTip(QStringLiteral("Vistrel !! のバージョン情報"));
    programIcon->setAccessibleName(QStringLiteral("Vistrel !! のバージョン情報"));
}

void MainWindow::layOutControls() {
    const DialogBaseUnits units = dialogBaseUnits(font());
    const auto rows = mainWindowControls();
    std::vector<QRect> rects;
    std::vector<QSize> minimums;
    const QString countText = m_countLabel->text();
    m_countLabel->setText(QString::fromUtf8(kWidestCountLabel));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rects.push_back(toPixels(rows[i].rect, units));
        minimums.push_back(neededSize(rows[i], *m_rowWidgets.at(i)));
    }
    m_countLabel->setText(countText);
    rects.push_back(toPixels(kMainWindowRect, units));
    minimums.emplace_back();
    const std::vector<QRect> grown = growToMinimumSizes(rects, minimums);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QRect place = grown.at(i);
        // A button keeps its own width where its neighbours grew around it, against the edge it
        // shares with the frame beside it.
        const bool isButton =
            rows[i].kind == ControlKind::Button || rows[i].kind == ControlKind::IconButton;
        const int width = std::max(rects.at(i).width(), minimums.at(i).width());
        if (isButton && place.width() > width) {
            place.setLeft(place.right() - width + 1);
        }
        m_rowWidgets.at(i)->setGeometry(place);
    }
    setFixedSize(grown.back().size());
}

void MainWindow::createPages() {
    // What the pages store the moment they show the settings, as the command line stores it.
    applySettingsPagesStart(m_settings);
    // General comes last: at its start it applies the mode rule to the other five pages.
    m_pages[1] = new CPage2(m_pageContext, m_tabs);
    m_pages[2] = new CPage3(m_pageContext, m_tabs);
    m_pages[3] = new CPage4(m_pageContext, m_tabs);
    m_pages[4] = new CPage5(m_pageContext, m_tabs);
    m_pages[5] = new CPage6(m_pageContext, m_tabs);
    m_pages[0] = new CPage1(m_pageContext, m_tabs);
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_tabs->setPage(static_cast<int>(i), m_pages.at(i));
    }
    applyModeRule();
}

SettingsPage& MainWindow::page(int index) const {
    return *m_pages.at(static_cast<std::size_t>(index));
}

void MainWindow::applyModeRule() {
    const ControlStates states = controlStatesFor(m_settings);
    for (SettingsPage* settingsPage : m_pages) {
        if (settingsPage != nullptr) {
            settingsPage->showControlStates(states);
        }
    }
}

void MainWindow::wireControls() {
    connect(m_folderBox, &QLineEdit::textEdited, this, &MainWindow::folderEdited);
    connect(qobject_cast<QAbstractButton*>(control(control::kBrowse)), &QAbstractButton::clicked,
            this, &MainWindow::browseFolder);
    for (std::size_t i = 0; i < m_typeBoxes.size(); ++i) {
        connect(m_typeBoxes.at(i), &QCheckBox::clicked, this,
                [this, i] { typeBoxClicked(static_cast<int>(i)); });
    }
    connect(m_selectAll, &QPushButton::clicked, this, &MainWindow::toggleSelectAll);

    m_list->onRowClicked = [this](int row) { rowClicked(row); };
    m_list->onStep = [this](int step) { stepRow(step); };
    m_list->onHeaderClicked = [this](int column) { headerClicked(column); };
    m_list->onRowDropped = [this](int from, int target) { rowDropped(from, target); };
    m_model->onCurrentRowChanged = [this](int row) { m_list->selectListRow(row); };
    m_model->onCountsChanged = [this](int, int) { showCounts(); };

    const std::array<std::pair<int, void (MainWindow::*)()>, 6> commands{{
        {control::kOptions, &MainWindow::openOptions},
        {control::kCreate, &MainWindow::create},
        {control::kView, &MainWindow::view},
        {control::kHelp, &MainWindow::openManual},
        {control::kExit, &MainWindow::exitProgram},
        {control::kProgramIcon, &MainWindow::showAbout},
    }};
    for (const auto& [id, command] : commands) {
        connect(qobject_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this,
                command);
    }
}

void MainWindow::settingChanged(std::string_view key) {
    // A run completed the folder with its final "/": the box shows what is stored, and since
    // this is no edit of the user's, the list keeps its checks, order and comments.
    if (key == "ImagePath") {
        m_folderBox->setText(qText(m_panel.folderText()));
    }
}

} // namespace vistrel::ui
