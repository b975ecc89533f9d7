#include "app/submit.h"

#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/pending_line.h"
#include "app/start_facts.h"
#include "app/startup_steps.h"
#include "commands/normalise.h"
#include "log/event_log.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/main_window.h"
#include "platform/shell.h"
#include "settings/settings.h"

namespace {
constexpr std::size_t kBatchBytes = 520;
}  // namespace

bool RunShellEscape(std::wstring_view text) {
    const std::wstring roaming = ShellRoamingAppDataFolder();
    if (roaming.empty()) return false;
    const std::wstring folder = roaming + L"\\Lumistrand";
    if (!LogFailureCause(FolderCreate(folder), L"CreateDirectory", folder, FilesLastError())) return false;
    const std::wstring batch = folder + L"\\run.bat";
    return ShellWriteFile(batch, ShellAnsiText(ShellEscapeCommand(text), kBatchBytes) + "\r\n") &&
           ShellOpenHidden(batch);
}

bool SubmitCommandLineTo(std::uintptr_t window, std::wstring_view text, std::uint32_t origin) {
    if (text.empty()) return false;
    if (IsShellEscape(text)) {
        RunShellEscape(text);
        return false;
    }
    const std::wstring line = NormaliseCommandLine(text);
    if (origin == kOriginInternalPosted) {
        SetPendingLine(line);
        MainWindowPostCommand(kCommandRunLine, kOriginInternal);
        return true;
    }
    const ForwardedBlock block = MakeForwardedBlock(line);
    return InstanceSendLine(window, origin, block.data());
}

void SubmitCommandLine(std::wstring_view text, std::uint32_t origin) {
    SubmitCommandLineTo(MainWindowId(), text, origin);
}

RunLineResult RunPendingLine(std::uint32_t origin, std::uint32_t ownThreadId) {
    RunLineResult result;
    if (origin == kOriginInternal && g_settings.rereadvalues) RereadControlPanelValues();
    if (ShouldExecuteLine(origin, g_start.startedWithArguments)) {
        InterpreterClearErrorLevel();
        ExecuteCommandLine(PendingLine());
        const LineOutcome outcome = TakeLineOutcome(InterpreterState(), g_monitors);
        ExitSetCode(outcome.exitCode);
        result.executed = true;
        result.restart = RestartAfterLine(origin, outcome);
    }
    result.exitCode = ExitState().exitCode;
    result.reply = ShouldReplyTo(origin, ownThreadId);
    return result;
}
