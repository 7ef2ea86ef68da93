// SPDX-License-Identifier: MIT
#include "ui/pages/comment/CPage2.h"

#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "exif/ExifRows.h"
#include "ui/controls/ColourRow.h"
#include "ui/icons/IconPaths.h"
#include "ui/pages/comment/CommentEditor.h"
#include "ui/pages/comment/CommentPageRules.h"
#include "ui/shell/QtText.h"
#include "ui_CPage2.h"

namespace vistrel::ui {
namespace {

constexpr int kIconSize = 16;
constexpr const char* kBlack = "#000000";

void setIconButton(CIconButton* button, const char* icon, const char* name) {
    button->SetIcon(QString::fromUtf8(icon), kIconSize, kIconSize);
    button->setToolTip(QString::fromUtf8(name));
    button->setAccessibleName(QString::fromUtf8(name));
    button->setAutoDefault(false);
}

std::int32_t itemBit(std::size_t index) {
    return std::int32_t{1} << index;
}

} // namespace

CPage2::CPage2(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(std::make_unique<Ui::CPage2>()) {
    m_ui->setupUi(this);
    m_colour = new ColourRow(context.seams.dialogs, this);
    m_colour->setObjectName(QStringLiteral("commentColourRow"));
    m_ui->colourLayout->addWidget(m_colour, 1);
    m_thumbnailItems = {m_ui->thumbnailNameBox, m_ui->thumbnailSizeBox, m_ui->thumbnailDateBox,
                        m_ui->thumbnailResolutionBox};
    m_mainItems = {m_ui->mainNameBox, m_ui->mainSizeBox, m_ui->mainDateBox,
                   m_ui->mainResolutionBox};

    setIconButton(m_ui->previousButton, icons::kPrevious, "前の画像");
    setIconButton(m_ui->nextButton, icons::kNext, "次の画像");
    setIconButton(m_ui->saveButton, icons::kSaveComments, "コメントを保存");
    setIconButton(m_ui->loadButton, icons::kLoadComments, "コメントを読み込む");
    // A few lines of comment at least, whatever room the page has.
    m_ui->commentBox->setMinimumHeight(m_ui->commentBox->fontMetrics().lineSpacing() * 4 +
                                       2 * m_ui->commentBox->frameWidth());
    m_ui->exifList->installEventFilter(this);

    fill();
    m_editor = std::make_unique<CommentEditor>(
        context,
        CommentEditor::Controls{m_ui->commentBox, m_ui->previousButton, m_ui->nextButton,
                                m_ui->saveButton, m_ui->loadButton},
        this);

    connect(m_ui->thumbnailPageBox, &QCheckBox::clicked, this, &CPage2::placementClicked);
    connect(m_ui->mainPagesBox, &QCheckBox::clicked, this, &CPage2::placementClicked);
    connectItemBoxes(m_thumbnailItems, "Information", settings().Information);
    connectItemBoxes(m_mainItems, "MainInfo", settings().MainInfo);
    connect(m_ui->exifList, &QTreeWidget::itemChanged, this, &CPage2::exifItemChanged);
    connect(m_ui->commentColourBox, &QCheckBox::clicked, this, &CPage2::colourBoxClicked);
    connect(m_colour, &ColourRow::edited, this, &CPage2::colourEdited);
}

// The editor stops following the list before the page's controls go.
CPage2::~CPage2() = default;

void CPage2::fill() {
    const Settings& s = settings();
    const QSignalBlocker thumbnailPage(m_ui->thumbnailPageBox);
    const QSignalBlocker mainPages(m_ui->mainPagesBox);
    m_ui->thumbnailPageBox->setChecked(commentPosTicksThumbnailPage(s.CommentPos));
    m_ui->mainPagesBox->setChecked(commentPosTicksMainPages(s.CommentPos));
    fillItemBoxes(m_thumbnailItems, s.Information);
    fillExifList();
    fillItemBoxes(m_mainItems, s.MainInfo);
    const QSignalBlocker colourBox(m_ui->commentColourBox);
    m_colour->setText(qText(s.CommentColor));
    m_ui->commentColourBox->setChecked(s.SetCommentCol != 0);
    m_colour->setRowEnabled(s.SetCommentCol != 0);
}

void CPage2::fillItemBoxes(const ItemBoxes& boxes, std::int32_t bits) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QSignalBlocker blocker(boxes.at(i));
        boxes.at(i)->setChecked((bits & itemBit(i)) != 0);
    }
}

void CPage2::fillExifList() {
    QTreeWidget* list = m_ui->exifList;
    const QSignalBlocker blocker(list);
    if (list->topLevelItemCount() == 0) {
        for (const char* label : kExifItemLabels) {
            auto* item = new QTreeWidgetItem(list, {QString::fromUtf8(label)});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const bool ticked = (settings().ExifInfo & (1U << static_cast<unsigned>(row))) != 0;
        list->topLevelItem(row)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void CPage2::connectItemBoxes(const ItemBoxes& boxes, std::string_view key,
                              const std::int32_t& bits) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QCheckBox* box = boxes.at(i);
        connect(box, &QCheckBox::clicked, this,
                [this, box, bit = itemBit(i), key, &bits] { itemBoxClicked(box, bit, key, bits); });
    }
}

void CPage2::showControlStates(const ControlStates& states) {
    const std::array<QWidget*, 3> controls{m_ui->thumbnailPageBox, m_ui->mainPagesBox,
                                           m_ui->exifList};
    for (QWidget* control : controls) {
        control->setEnabled(states.commentItems);
    }
    for (const ItemBoxes* boxes : {&m_thumbnailItems, &m_mainItems}) {
        for (QCheckBox* box : *boxes) {
            box->setEnabled(states.commentItems);
        }
    }
}

bool CPage2::eventFilter(QObject* watched, QEvent* event) {
    // The one column takes nine tenths of the list's inner width.
    if (watched == m_ui->exifList && event->type() == QEvent::Resize) {
        m_ui->exifList->header()->resizeSection(0, m_ui->exifList->contentsRect().width() * 9 / 10);
    }
    return SettingsPage::eventFilter(watched, event);
}

void CPage2::placementClicked() {
    if (!store("CommentPos", commentPosFromBoxes(m_ui->thumbnailPageBox->isChecked(),
                                                 m_ui->mainPagesBox->isChecked()))) {
        const std::int32_t stored = settings().CommentPos;
        m_ui->thumbnailPageBox->setChecked(commentPosTicksThumbnailPage(stored));
        m_ui->mainPagesBox->setChecked(commentPosTicksMainPages(stored));
    }
}

void CPage2::itemBoxClicked(QCheckBox* box, std::int32_t bit, std::string_view key,
                            const std::int32_t& bits) {
    const std::int32_t value = box->isChecked() ? (bits | bit) : (bits & ~bit);
    if (!store(key, value)) {
        box->setChecked((bits & bit) != 0);
    }
}

void CPage2::exifItemChanged() {
    // A tick counts at once: the list is read whole, as it stands.
    std::uint16_t ticked = 0;
    for (int row = 0; row < m_ui->exifList->topLevelItemCount(); ++row) {
        if (m_ui->exifList->topLevelItem(row)->checkState(0) == Qt::Checked) {
            ticked = static_cast<std::uint16_t>(ticked | (1U << static_cast<unsigned>(row)));
        }
    }
    Settings& s = settings();
    if (store("ExifInfo", exifInfoFromTicks(s.ExifInfo, ticked))) {
        s.ExifItemCount = selectedExifItemCount(s.ExifInfo);
    } else {
        fillExifList();
    }
}

void CPage2::colourBoxClicked(bool ticked) {
    // Cleared, comments go black while the text keeps the colour, which a new tick stores again.
    const bool stored =
        store("CommentColor", ticked ? stdText(m_colour->text()) : std::string(kBlack)) &&
        store("SetCommentCol", ticked ? 1 : 0);
    if (!stored) {
        ticked = settings().SetCommentCol != 0;
        m_ui->commentColourBox->setChecked(ticked);
    }
    m_colour->setRowEnabled(ticked);
}

void CPage2::colourEdited(const QString& text) {
    if (!store("CommentColor", stdText(text))) {
        m_colour->setText(qText(settings().CommentColor));
    }
}

} // namespace vistrel::ui
