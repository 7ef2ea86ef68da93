// SPDX-License-Identifier: MIT
#include "output/SelectionChecks.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "platform/CancelFlag.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;

Call notImages(const std::string& names) {
    return {Kind::Message, "画像ファイルエラー",
            "次のファイルは画像ファイルではないため、出力しません。" + names, PromptIcon::Warning};
}

// The rows of a folder of photos/, checked or not, before a run.
class FilesThatAreNotImages : public ::testing::Test {
protected:
    FilesThatAreNotImages() { m_settings.ImagePath = m_dir.file("photos") + "/"; }

    void addRow(const std::string& name, bool checked = true) {
        m_list.appendRows({ImageRow{name, "1 KB", "2005/06/12 10:11:12", "", checked}});
    }

    void addFile(const std::string& name, const std::string& bytes, bool checked = true) {
        m_dir.write("photos/" + name, bytes);
        addRow(name, checked);
    }

    bool check() {
        return uncheckFilesThatAreNotImages(m_list, m_settings, m_prompter, m_progress, m_cancel);
    }

    std::vector<bool> checks() const {
        std::vector<bool> checked;
        for (int row = 0; row < m_list.rowCount(); ++row) {
            checked.push_back(m_list.row(row).checked);
        }
        return checked;
    }

    const TempDir m_dir;
    Settings m_settings;
    ImageList m_list;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
};

TEST_F(FilesThatAreNotImages, AreUncheckedAndNamedInOneMessage) {
    addFile("real.jpg", "\xFF\xD8\xFF\xE0 and the rest");
    addFile("notes.jpg", "just text");
    addFile("pic.png", "GIF89a a picture of another kind");
    addFile("anim.gif", "GIF87a and frames");
    m_dir.write("elsewhere/passwords.txt", "root:x:0:0");
    fs::create_symlink(m_dir.file("elsewhere/passwords.txt"), m_dir.file("photos/link.png"));
    addRow("link.png");
    addFile("readme.txt", "not named as an image, so not this check's business");
    addRow("missing.jpg"); // left to the step that reads it
    addFile("off.jpg", "text, but unchecked", false);

    EXPECT_TRUE(check());

    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false, true, false, true, true, false}));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{notImages("\nnotes.jpg\npic.png\nlink.png")}));
    // The window took its events before each of the six files read.
    EXPECT_GE(m_progress.pumps(), 6U);
    EXPECT_EQ(m_progress.events.size(), m_progress.pumps()) << "no display of its own";
}

TEST_F(FilesThatAreNotImages, AreOnlyReadUntilACancelWhichStillNamesTheOnesFound) {
    addFile("a.jpg", "text a");
    addFile("b.jpg", "text b");
    addFile("c.jpg", "text c");
    // The user cancels once the first file has been read.
    m_progress.onPump = [this](int pump) {
        if (pump == 2) {
            m_cancel.request();
        }
    };

    EXPECT_FALSE(check());

    EXPECT_EQ(checks(), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{notImages("\na.jpg")}));
    EXPECT_FALSE(m_cancel.isRequested()) << "whoever tests the request clears it";
}

TEST_F(FilesThatAreNotImages, ReadsNothingAfterACancelRequestedBeforeTheCheck) {
    addFile("a.jpg", "text a");
    m_cancel.request();

    EXPECT_FALSE(check());

    EXPECT_EQ(checks(), (std::vector<bool>{true}));
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_FALSE(m_cancel.isRequested());
}

} // namespace
} // namespace vistrel
