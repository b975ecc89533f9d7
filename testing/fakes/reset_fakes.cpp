#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/core_audio_fake.h"
#include "testing/fakes/dialog_controls_fake.h"
#include "testing/fakes/display_config_fake.h"
#include "testing/fakes/download_fake.h"
#include "testing/fakes/foreground_fake.h"
#include "testing/fakes/gpu_fake.h"
#include "testing/fakes/icon_image_fake.h"
#include "testing/fakes/input_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/message_box_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/fakes/notify_icon_fake.h"
#include "testing/fakes/overflow_tray_fake.h"
#include "testing/fakes/panel_window_fake.h"
#include "testing/fakes/power_status_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/fakes/settings_window_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/fakes/wmi_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

void ResetSystemStandIns() {
    FakeClockReset();
    FakeControlPanelReset();
    FakeDialogsReset();
    FakeDisplayConfigReset();
    FakeDownloadReset();
    FakeForegroundReset();
    FakeGpuReset();
    FakeIconImageReset();
    FakeInputReset();
    FakeInstanceReset();
    FakeMainWindowReset();
    FakeMessageBoxReset();
    FakeMonitorListViewReset();
    FakeNotifyIconReset();
    FakeOverflowTraySet(std::nullopt);
    FakePanelWindowReset();
    FakeRequestsReset();
    FakeSettingsWindowSetOpen(false);
    FakeShellReset();
    FakeWmiReset();
    FakeAudioReset();
    FakePowerSetBatterySaver(false);
    SimReset();
}
