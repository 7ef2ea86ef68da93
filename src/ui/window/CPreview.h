// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace vistrel::ui {

// The preview box: the picture of the row last shown, fitted into the box, on the button-face
// colour; or the text that says the file is not an image. It keeps its own scaled copy, so it
// goes on showing the picture when the window is covered and uncovered, whatever the create run
// does with the decoded image meanwhile.
class CPreview final : public QWidget {
    Q_OBJECT

public:
    explicit CPreview(QWidget* parent);

    // Shows picture, already scaled to its place; at is where it stands in the box.
    void showPicture(const QImage& picture, QPoint at);
    // Shows the not-an-image text instead of a picture.
    void showNotAnImage();

    const QImage& picture() const { return m_picture; }
    bool showsNotAnImage() const { return m_notAnImage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QPoint m_at;
    bool m_notAnImage = false;
};

} // namespace vistrel::ui
