// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace vistrel {
class DocumentOpener;
} // namespace vistrel

class QEnterEvent;
class QEvent;
class QMouseEvent;

namespace vistrel::ui {

// A label that behaves like a link on a web page: underlined, blue, purple once it has been
// opened, red while the pointer is over it (red wins over purple), with a pointing hand. A
// click hands its target (its own text when no target is set) to the opener; when the opener
// fails the label beeps and keeps its colour.
class CHotStatic : public QLabel {
    Q_OBJECT

public:
    static constexpr QColor kNormalColour{0, 0, 255};
    static constexpr QColor kVisitedColour{128, 0, 128};
    static constexpr QColor kHoverColour{255, 0, 0};

    // The opener is not owned and must outlive the label.
    explicit CHotStatic(DocumentOpener& opener, QWidget* parent = nullptr);

    // The address or path a click opens; empty opens the label's text.
    void SetTarget(const QString& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showColour();
    void open();

    DocumentOpener& m_opener;
    QString m_target;
    bool m_hover = false;
    bool m_visited = false;
    bool m_pressed = false;
};

} // namespace vistrel::ui
