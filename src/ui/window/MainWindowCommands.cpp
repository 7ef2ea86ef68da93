// SPDX-License-Identifier: MIT
// The command buttons of the main window, its menu and how it ends.
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/DataFiles.h"
#include "platform/DocumentOpener.h"
#include "platform/ProcessEnvironment.h"
#include "platform/Prompter.h"
#include "run/RunContext.h"
#include "run/RunCreate.h"
#include "run/ViewResult.h"
#include "text/ProgramTexts.h"
#include "ui/about/AboutBox.h"
#include "ui/options/COptMain.h"
#include "ui/progress/WindowProgress.h"
#include "ui/shell/QtText.h"
#include "ui/window/MainWindow.h"

namespace vistrel::ui {
namespace {

constexpr const char* kAboutMenuEntry = "Vistrel !! のバージョン情報(&A)...";
constexpr std::string_view kManualPage = "manual/index.html";
constexpr std::string_view kManualMissing = "ユーザーマニュアルが見つかりません。";
constexpr std::string_view kManualFailed = "ユーザーマニュアルを開けませんでした。";

} // namespace

void MainWindow::openOptions() {
    if (m_panel.runInProgress().active()) {
        return;
    }
    COptMain options(m_settings, this);
    options.exec();
}

void MainWindow::create() {
    WindowProgress progress(this, m_cancel);
    RunContext context{m_settings,       m_settingsChanges, m_panel,  m_runImage,
                       m_seams.prompter, progress,          m_cancel, m_seams.opener};
    RunCreate(context);
    if (m_pendingClose != PendingClose::None) {
        finishClose(m_pendingClose);
    }
}

void MainWindow::view() {
    ViewResult(m_settings, m_seams.prompter, m_seams.opener);
}

void MainWindow::openManual() {
    const std::optional<std::string> manual = findDataFile(currentExecutablePath(), kManualPage);
    if (!manual) {
        m_seams.prompter.message(texts::kErrorCaption, kManualMissing, PromptIcon::Stop);
        return;
    }
    if (!m_seams.opener.open(*manual)) {
        m_seams.prompter.messageAbout(texts::kErrorCaption, kManualFailed, PromptIcon::Stop,
                                      *manual);
    }
}

void MainWindow::exitProgram() {
    finishClose(PendingClose::Exit);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    finishClose(PendingClose::CloseBox);
}

void MainWindow::finishClose(PendingClose how) {
    if (m_panel.runInProgress().active()) {
        // The run stops at its next look at the flag; the window closes when it has returned.
        m_pendingClose = how;
        m_cancel.request();
        return;
    }
    m_pendingClose = PendingClose::None;
    if (how == PendingClose::Exit) {
        m_panel.storeChoices();
    }
    done(QDialog::Accepted);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // The window ends only through its exit button or its close box.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QString::fromUtf8(kAboutMenuEntry), this, &MainWindow::showAbout);
    menu.exec(event->globalPos());
}

void MainWindow::showAbout() {
    AboutBox about(this, m_seams.opener);
    about.exec();
}

} // namespace vistrel::ui
