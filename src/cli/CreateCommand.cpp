// SPDX-License-Identifier: MIT
#include "cli/CreateCommand.h"

#include <array>
#include <csignal>
#include <fstream>
#include <memory>
#include <optional>

#include <unistd.h>

#include "app/PageFileNames.h"
#include "app/SettingsChanges.h"
#include "app/SettingsPagesStart.h"
#include "catalogue/CommentFile.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageListPanel.h"
#include "cli/ArgumentReader.h"
#include "cli/ConsolePrompter.h"
#include "cli/ListArrangement.h"
#include "cli/SettingOverrides.h"
#include "cli/StartupOptions.h"
#include "cli/TerminalProgress.h"
#include "platform/CancelFlag.h"
#include "platform/DocumentOpener.h"
#include "platform/ProcessEnvironment.h"
#include "run/RunContext.h"
#include "run/RunCreate.h"

namespace vistrel::cli {
namespace {

struct CreateOptions {
    StartupOptions startup;
    SettingOverrides overrides;
    std::optional<std::string> source;
    std::optional<std::string> output;
    std::optional<std::string> comments;
    std::optional<SortChoice> sort;
    std::optional<std::string> order;
    std::vector<std::string> excludes;
    std::optional<bool> answer; // --yes / --no
    bool view = false;
    bool save = false;
    bool quiet = false;
};

// Questions are answered as the options say, except the completion question, which opens the
// browser only when --view asked for it. With --quiet a question that the options answer is
// not printed: what remains are the messages, each of which tells of a stop, a failure or a
// file left out.
class CreatePrompter final : public Prompter {
public:
    CreatePrompter(ConsolePrompter::Policy policy, std::FILE* err, bool view, bool quiet)
        : m_console(policy, err), m_quietYes(ConsolePrompter::Policy::AnswerYes, err),
          m_quietNo(ConsolePrompter::Policy::AnswerNo, err), m_policy(policy), m_view(view),
          m_quiet(quiet) {}

    void message(std::string_view caption, std::string_view text, PromptIcon icon) override {
        m_console.message(caption, text, icon);
    }
    void messageAbout(std::string_view caption, std::string_view text, PromptIcon icon,
                      std::string_view fileName) override {
        m_console.messageAbout(caption, text, icon, fileName);
    }
    bool ask(std::string_view caption, std::string_view text, PromptIcon icon) override {
        if (m_quiet && m_policy != ConsolePrompter::Policy::AskTerminal) {
            return m_policy == ConsolePrompter::Policy::AnswerYes;
        }
        return m_console.ask(caption, text, icon);
    }
    bool askToViewResult(std::string_view caption, std::string_view text,
                         PromptIcon icon) override {
        return m_quiet ? m_view : (m_view ? m_quietYes : m_quietNo).ask(caption, text, icon);
    }

private:
    ConsolePrompter m_console;
    ConsolePrompter m_quietYes;
    ConsolePrompter m_quietNo;
    ConsolePrompter::Policy m_policy;
    bool m_view;
    bool m_quiet;
};

CancelFlag* g_cancel = nullptr;
volatile std::sig_atomic_t g_interrupted = 0;

// The signals that end a run as Ctrl-C does: a terminal closed under it, or a system going down,
// must also leave no work folder behind.
constexpr std::array kStopSignals = {SIGINT, SIGTERM, SIGHUP};

// The first signal asks the run to stop where it looks at the flag; the handler is then reset,
// so a second one ends the process.
void onInterrupt(int) {
    g_interrupted = 1;
    if (g_cancel != nullptr) {
        g_cancel->request();
    }
}

void installInterruptHandler(CancelFlag& cancel) {
    g_cancel = &cancel;
    g_interrupted = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

void removeInterruptHandler() {
    for (const int signal : kStopSignals) {
        std::signal(signal, SIG_DFL);
    }
    g_cancel = nullptr;
}

int parse(std::span<const std::string> arguments, const Streams& streams, CreateOptions& o) {
    ArgumentReader reader(arguments);
    while (!reader.atEnd()) {
        if (auto ini = reader.option("--ini")) {
            o.startup.iniFile = *ini;
        } else if (auto source = reader.option("--source")) {
            o.source = *source;
        } else if (auto output = reader.option("--output")) {
            o.output = *output;
        } else if (auto assignment = reader.option("--set")) {
            o.overrides.add(*assignment);
        } else if (auto comments = reader.option("--comments")) {
            o.comments = *comments;
        } else if (auto sort = reader.option("--sort")) {
            o.sort = parseSortChoice(*sort);
            if (!o.sort) {
                return usageError(streams, "create",
                                  "--sort takes name, size or date, "
                                  "optionally with :asc or :desc");
            }
        } else if (auto order = reader.option("--order")) {
            o.order = *order;
        } else if (auto exclude = reader.option("--exclude")) {
            o.excludes.push_back(*exclude);
        } else if (reader.flag("--yes")) {
            if (o.answer == false) {
                return usageError(streams, "create", "--yes and --no exclude each other");
            }
            o.answer = true;
        } else if (reader.flag("--no")) {
            if (o.answer == true) {
                return usageError(streams, "create", "--yes and --no exclude each other");
            }
            o.answer = false;
        } else if (reader.flag("--view")) {
            o.view = true;
        } else if (reader.flag("--save")) {
            o.save = true;
        } else if (reader.flag("--quiet")) {
            o.quiet = true;
        } else if (!reader.missingValue().empty()) {
            return usageError(streams, "create", reader.missingValue() + " needs a value");
        } else {
            return usageError(streams, "create", "unexpected argument: " + reader.take());
        }
    }
    if (const auto problem = o.overrides.validate(); !problem.empty()) {
        return usageError(streams, "create", problem);
    }
    return kExitDone;
}

// The names of an order file, one per line (UTF-8); blank lines are skipped.
std::optional<std::vector<std::string>> readOrderFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            names.push_back(line);
        }
    }
    return names;
}

ConsolePrompter::Policy answerPolicy(const CreateOptions& options) {
    if (options.answer) {
        return *options.answer ? ConsolePrompter::Policy::AnswerYes
                               : ConsolePrompter::Policy::AnswerNo;
    }
    return ConsolePrompter::Policy::AskTerminal;
}

// Arranges the scanned list as the options ask; false when a file could not be used (told).
bool arrangeList(ImageListPanel& panel, const CreateOptions& options, const Streams& streams,
                 Prompter& prompter) {
    ImageList& list = panel.list();
    if (options.sort) {
        sortList(list, *options.sort);
    }
    if (options.order) {
        const auto names = readOrderFile(absolutePath(*options.order));
        if (!names) {
            std::fprintf(streams.err, "vistrel-cli create: cannot read the order file %s\n",
                         options.order->c_str());
            return false;
        }
        for (const auto& missing : orderList(list, *names)) {
            std::fprintf(streams.err, "vistrel-cli create: %s is not in the list\n",
                         missing.c_str());
        }
    }
    excludeFromList(list, options.excludes);
    if (options.comments && !LoadComments(list, absolutePath(*options.comments), prompter)) {
        return false;
    }
    return true;
}

} // namespace

int runCreateCommand(std::span<const std::string> arguments, const Streams& streams) {
    CreateOptions options;
    if (const int code = parse(arguments, streams, options); code != kExitDone) {
        return code;
    }
    CreatePrompter prompter(answerPolicy(options), streams.err, options.view, options.quiet);
    auto application = startApplication(options.startup, prompter);
    if (!application) {
        return kExitStopped;
    }
    Settings& settings = application->settings;
    options.overrides.apply(settings);
    if (options.source) {
        settings.ImagePath = absoluteFolder(*options.source);
    }
    if (options.output) {
        settings.HTMLPath = absoluteFolder(*options.output);
    }
    applySettingsPagesStart(settings);

    ImageListPanel panel(settings);
    panel.setFolderText(settings.ImagePath);
    if (!arrangeList(panel, options, streams, prompter)) {
        return kExitStopped;
    }

    CancelFlag cancel;
    installInterruptHandler(cancel);
    NullProgressSink silent;
    TerminalProgress bar(streams.err);
    const bool showBar = !options.quiet && ::isatty(::fileno(streams.err)) != 0;
    CurrentImage currentImage;
    const SettingsChanges unwatched;
    DefaultApplicationOpener browser;
    RunContext context{settings,     unwatched, panel,
                       currentImage, prompter,  showBar ? static_cast<ProgressSink&>(bar) : silent,
                       cancel,       browser};
    const int written = RunCreate(context);
    removeInterruptHandler();
    if (written != 1 && g_interrupted != 0) {
        std::fprintf(streams.err, "vistrel-cli create: cancelled; the files written so far stay\n");
    }

    if (options.save && !application->save(prompter)) {
        return kExitStopped;
    }
    if (written == 1 && !options.quiet) {
        std::fprintf(streams.out, "%s\n", (settings.HTMLPath + indexPageName(settings)).c_str());
    }
    return written == 1 ? kExitDone : kExitStopped;
}

} // namespace vistrel::cli
