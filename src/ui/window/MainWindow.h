// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <map>

#include <QDialog>

#include "app/SettingsChanges.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageListPanel.h"
#include "platform/CancelFlag.h"
#include "ui/pages/PageContext.h"
#include "ui/shell/WindowSeams.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vistrel {
struct Settings;
}

namespace vistrel::ui {

class CIconButton;
class CPreview;
class ImageListModel;
class ImageListView;
class PreviewDecoder;
class PreviewLoader;
struct PreviewResult;
class SettingsPage;
class SettingsTabs;

// The program's only top-level window: the left half picks and previews the source images,
// the right half holds the six settings pages, and the buttons below open the options, create
// the site, view it, open the manual and end the program. The window edits the settings record
// in place and keeps only the list, the preview and the run's cancel flag; every rule is the
// core's. It ends with Accepted, from its exit button (which also stores the file types and the
// folder) or its close box.
class MainWindow final : public QDialog, private SettingsObserver {
    Q_OBJECT

public:
    // settings and seams must outlive the window; decoder decodes the previews.
    MainWindow(Settings& settings, const WindowSeams& seams, PreviewDecoder& decoder);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The control of the table row id, for tests and screenshots.
    QWidget* control(int id) const;
    ImageListPanel& panel() { return m_panel; }
    SettingsTabs& tabs() const { return *m_tabs; }
    CPreview& preview() const { return *m_preview; }
    ImageListView& listView() const { return *m_list; }
    // Told of each setting a step of the program changes by itself (the pages follow it).
    SettingsChanges& settingsChanges() { return m_settingsChanges; }
    // The settings page of tab index (0 General ... 5 Music).
    SettingsPage& page(int index) const;
    // Works out which controls of the six pages are usable from the settings and shows it.
    void applyModeRule();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class PendingClose { None, CloseBox, Exit };

    void createControls();
    void layOutControls();
    void wireControls();
    void createPages();

    void settingChanged(std::string_view key) override;

    void folderEdited(const QString& text);
    void browseFolder();
    void typeBoxClicked(int index);
    void showTypeBoxes();
    void toggleSelectAll();
    void headerClicked(int column);
    void rowClicked(int row);
    void stepRow(int step);
    void rowDropped(int from, int target);
    void showRow(int row);
    void previewShown(const PreviewResult& result);
    void showCounts();

    void openOptions();
    void create();
    void view();
    void openManual();
    void exitProgram();
    void showAbout();
    void finishClose(PendingClose how);

    Settings& m_settings;
    WindowSeams m_seams;
    SettingsChanges m_settingsChanges;
    ImageListPanel m_panel;
    CurrentImage m_runImage;
    CancelFlag m_cancel;
    PendingClose m_pendingClose = PendingClose::None;
    PageContext m_pageContext;
    std::array<SettingsPage*, 6> m_pages{};

    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_rowWidgets;
    QLineEdit* m_folderBox = nullptr;
    QLabel* m_countLabel = nullptr;
    QPushButton* m_selectAll = nullptr;
    ImageListView* m_list = nullptr;
    ImageListModel* m_model = nullptr;
    CPreview* m_preview = nullptr;
    std::array<QCheckBox*, 4> m_typeBoxes{};
    QLineEdit* m_resolution = nullptr;
    QLineEdit* m_colours = nullptr;
    SettingsTabs* m_tabs = nullptr;
    PreviewLoader* m_loader = nullptr;
};

} // namespace vistrel::ui
