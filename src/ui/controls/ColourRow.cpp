// SPDX-License-Identifier: MIT
#include "ui/controls/ColourRow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>

#include "app/ColorText.h"
#include "ui/controls/CIconButton.h"
#include "ui/icons/IconPaths.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"

namespace vistrel::ui {
namespace {

// A framed square filled, one pixel in from its frame, with the colour its row's text reads as.
class Swatch final : public QWidget {
public:
    Swatch(const ColourRow& row, QWidget* parent) : QWidget(parent), m_row(row) {
        const int side = fontMetrics().height();
        setFixedSize(side, side);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.fillRect(rect().adjusted(1, 1, -1, -1), m_row.swatchColour());
    }

private:
    const ColourRow& m_row;
};

} // namespace

ColourRow::ColourRow(FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_swatch(new Swatch(*this, this)),
      m_text(new QLineEdit(this)), m_button(new CIconButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_swatch);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_button);
    m_button->SetIcon(QString::fromUtf8(icons::kColour), 16, 16);
    m_button->setToolTip(QStringLiteral("色を選ぶ"));
    m_button->setAccessibleName(QStringLiteral("色を選ぶ"));
    m_button->setAutoDefault(false);
    m_text->setMaxLength(32);
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_swatch->update();
        emit edited(text);
    });
    connect(m_button, &QAbstractButton::clicked, this, &ColourRow::chooseColour);
}

QString ColourRow::text() const {
    return m_text->text();
}

void ColourRow::setText(const QString& text) {
    m_text->setText(text);
    m_swatch->update();
}

void ColourRow::setRowEnabled(bool enabled) {
    m_swatch->setEnabled(enabled);
    m_text->setEnabled(enabled);
    m_button->setEnabled(enabled);
}

QColor ColourRow::swatchColour() const {
    const RgbColor colour = parseColorText(stdText(m_text->text()));
    return QColor(colour.red, colour.green, colour.blue);
}

void ColourRow::chooseColour() {
    const std::optional<QColor> chosen = m_dialogs.chooseColor(this, swatchColour());
    if (!chosen) {
        return;
    }
    const QString text = qText(formatColorText({static_cast<std::uint8_t>(chosen->red()),
                                                static_cast<std::uint8_t>(chosen->green()),
                                                static_cast<std::uint8_t>(chosen->blue())}));
    setText(text);
    emit edited(text);
}

} // namespace vistrel::ui
