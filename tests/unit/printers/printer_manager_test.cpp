// The printer manager: which actions a pass offers, the stored default
// printer, the printer list, the selection dialog, the action runner's
// result box and whose window its questions belong to.
#include "printer_fixture.h"

#include "printers/enum_printers.h"
#include "printers/preferred_printer.h"
#include "printers/printer_manager.h"
#include "printers/printer_manager_host.h"
#include "printers/printer_restart.h"
#include "printers/select_vprinter.h"
#include "../task_dialog/modal_run.h"

#include <gmock/gmock.h>

#include <msi.h>

using namespace test_support;
using namespace printers;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const char kPellmoreKey[] = "Software\\Pellmore";
const char kCurrent[] = "Pellmore Virtual Printer";
const char kV1[] = "Pellmore Orvo Virtual Printer";

TEST(ManagerActions, OfferedForWhatThePassFound) {
    ManagerFacts facts;
    EXPECT_TRUE(DecideManagerActions(facts).empty()) << "no printer, no packages";
    facts.packagesLoaded = true;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionInstall));
    facts.pellmorePrinters = 2;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionSelect, kActionInstall));
    facts.pellmorePrinters = 1;
    facts.upgrade = true;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionUpgrade, kActionUninstall));
    facts.productsInstalled = true;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionRepair, kActionReinstall, kActionUninstall));
    facts.installed = true;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionUpgrade, kActionUninstall));
    facts.upgrade = false;
    facts.packagesLoaded = false;
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionReinstall, kActionUninstall));
    EXPECT_EQ(ActionButtonText(kActionSelect), "Select Virtual Printer");
    EXPECT_EQ(ActionWord(7), "");
    EXPECT_EQ(ActionWord(0), "");
}

class ManagerTest : public PrinterTest {
protected:
    // The machine key in the product's view, and the user's.
    KeyTreeGuard machineKey{HKEY_LOCAL_MACHINE, kPellmoreKey, KEY_WOW64_32KEY};
    KeyTreeGuard userKey{HKEY_CURRENT_USER, kPellmoreKey};
    void TearDown() override {
        WritePreferredPrinter("");
        PrinterTest::TearDown();
    }
    static std::string Value(HKEY root) {
        char buffer[300] = "";
        DWORD size = sizeof(buffer);
        HKEY key = nullptr;
        REGSAM view = root == HKEY_LOCAL_MACHINE ? KEY_WOW64_32KEY : 0;
        if (RegOpenKeyExA(root, kPellmoreKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return "<none>";
        LONG read = RegQueryValueExA(key, "PreferredVPrinter", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        return read == ERROR_SUCCESS ? std::string(buffer) : std::string("<none>");
    }
};

TEST_F(ManagerTest, UpgradeWhenAnOlderGenerationOrANewerPackageIsThere) {
    PrinterPackages packages(launcher.Path());
    {
        TestPrinter current(kCurrent, "driver_novapdf_8_9");
        ManagerPass pass(nullptr);
        ManagerFacts facts = pass.Examine();
        EXPECT_TRUE(facts.installed);
        EXPECT_TRUE(facts.upgrade) << "package 8.10 is newer than driver 8.9";
        EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionUpgrade, kActionUninstall));
    }
    TestPrinter current(kCurrent, "driver_novapdf_8_10");
    {
        ManagerPass pass(nullptr);
        ManagerFacts facts = pass.Examine();
        EXPECT_FALSE(facts.upgrade);
        EXPECT_EQ(facts.pellmorePrinters, 1);
        EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionReinstall, kActionUninstall));
    }
    TestPrinter v1(kV1, "driver_amyuni_3000");
    ManagerPass pass(nullptr);
    ManagerFacts facts = pass.Examine();
    EXPECT_TRUE(facts.upgrade);
    EXPECT_THAT(DecideManagerActions(facts), ElementsAre(kActionSelect, kActionUpgrade, kActionUninstall));
}

TEST_F(ManagerTest, PreferenceIsMachineWideWhereItCanBeAndPerUserOtherwise) {
    EXPECT_EQ(ReadPreferredPrinter(), "");
    {
        // A fresh profile: the user's keys of this process are an empty key.
        KeyTreeGuard scratch(HKEY_CURRENT_USER, "Software\\OrvoTestFreshProfile");
        HKEY fresh = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\OrvoTestFreshProfile", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &fresh, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, fresh), ERROR_SUCCESS);
        ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kPellmoreKey));
        WritePreferredPrinter("Pellmore Orvo Printer B");
        std::string stored = Value(HKEY_CURRENT_USER);
        bool machine = KeyExists(HKEY_LOCAL_MACHINE, kPellmoreKey, KEY_WOW64_32KEY);
        std::string read = ReadPreferredPrinter();
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(fresh);
        EXPECT_EQ(stored, "Pellmore Orvo Printer B") << "a fresh profile keeps the choice";
        EXPECT_FALSE(machine) << "the machine key is never made";
        EXPECT_EQ(read, "Pellmore Orvo Printer B");
    }

    WriteRegistryString(HKEY_LOCAL_MACHINE, kPellmoreKey, "Other", "x", KEY_WOW64_32KEY);
    WritePreferredPrinter("Pellmore Orvo Printer C");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE), "Pellmore Orvo Printer C");
    EXPECT_EQ(Value(HKEY_CURRENT_USER), "<none>") << "the user's value goes";
    EXPECT_EQ(ReadPreferredPrinter(), "Pellmore Orvo Printer C");

    WriteRegistryString(HKEY_CURRENT_USER, kPellmoreKey, "PreferredVPrinter", "Pellmore Orvo Printer B");
    WritePreferredPrinter("PELLMORE virtual printer");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE), "<none>") << "the current printer needs no stored choice";
    EXPECT_EQ(Value(HKEY_CURRENT_USER), "<none>");
}

TEST_F(ManagerTest, AnUnterminatedValueIsReadWithinItsBytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPellmoreKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    std::string long_(300, 'P');
    RegSetValueExA(key, "PreferredVPrinter", 0, REG_SZ, reinterpret_cast<const BYTE*>("Pellmore X"), 10);
    RegCloseKey(key);
    EXPECT_EQ(ReadPreferredPrinter(), "Pellmore X");
    WriteRegistryString(HKEY_CURRENT_USER, kPellmoreKey, "PreferredVPrinter", long_);
    EXPECT_EQ(ReadPreferredPrinter(), "") << "longer than 260 bytes is not read";
}

TEST_F(ManagerTest, DefaultPrinterPrefersTheStoredChoiceThenTheCurrentThenTheFirstPrinter) {
    EXPECT_EQ(ResolveDefaultPrinter(false), "");
    WriteRegistryString(HKEY_CURRENT_USER, kPellmoreKey, "PreferredVPrinter", "Pellmore Orvo Printer B");
    EXPECT_EQ(ResolveDefaultPrinter(false), "") << "the stored one does not open";
    EXPECT_EQ(ResolveDefaultPrinter(true), "Pellmore Orvo Printer B");
    TestPrinter v1(kV1, "driver_amyuni_3000");
    EXPECT_EQ(ResolveDefaultPrinter(false), kV1);
    TestPrinter current(kCurrent, "driver_novapdf_8_10");
    TestPrinter chosen("Pellmore Orvo Printer B", "driver_novapdf_8_10");
    EXPECT_EQ(ResolveDefaultPrinter(false), "Pellmore Orvo Printer B");
    EXPECT_EQ(ResolveDefaultPrinter(true), kCurrent) << "reset shows the current printer";
}

TEST_F(ManagerTest, PrinterListHasEmptyTextsForMissingFieldsAndErrorOutside) {
    TestPrinter one("Orvo Test Listed", "driver_other_2000");
    CEnumPrinters printers;
    ASSERT_TRUE(printers.Enumerate());
    int found = -1;
    for (int i = 0; i < printers.GetCount(); ++i)
        if (printers.GetName(i) == "Orvo Test Listed") found = i;
    ASSERT_GE(found, 0);
    EXPECT_EQ(printers.GetShareName(found), "");
    EXPECT_EQ(printers.GetLocation(found), "");
    EXPECT_EQ(printers.GetPortName(found), "FILE:");
    EXPECT_EQ(printers.GetName(printers.GetCount()), "Error");
    EXPECT_EQ(printers.GetName(-1), "Error");
    EXPECT_EQ(printers.GetLocation(printers.GetCount()), "Error");
}

TEST_F(ManagerTest, SelectionDialogListsPellmorePrintersAndStoresTheChoice) {
    TestPrinter current(kCurrent, "driver_novapdf_8_10");
    TestPrinter v1(kV1, "driver_amyuni_3000");
    TestPrinter other("Orvo Test Other", "driver_other_2000");
    WriteRegistryString(HKEY_CURRENT_USER, kPellmoreKey, "PreferredVPrinter", kV1);
    CSelectVPrinter dialog(nullptr);
    EXPECT_THAT(dialog.GetPrinterNames(), ::testing::UnorderedElementsAre(kCurrent, kV1));

    std::vector<std::string> items;
    std::string shown, afterReset;
    INT_PTR result = RunModal(
        "Choose Default Pellmore Virtual Printer", [&] { return dialog.DoModal(); },
        [&](HWND window) {
            Settle(window);
            HWND combo = GetDlgItem(window, IDC_VPRINTER_COMBO);
            LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                char text[260] = "";
                SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                items.push_back(text);
            }
            shown = CWnd(combo).GetWindowText();
            SendMessageA(window, WM_COMMAND, IDC_VPRINTER_RESET, 0);
            Settle(window);
            afterReset = CWnd(combo).GetWindowText();
            SendMessageA(combo, CB_SETCURSEL, 0, 0); // sorted: the first generation's name
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_THAT(items, ElementsAre(kV1, kCurrent));
    EXPECT_EQ(shown, kV1) << "the stored choice";
    EXPECT_EQ(afterReset, kCurrent);
    EXPECT_EQ(ReadPreferredPrinter(), kV1);
    EXPECT_TRUE(answers.asked.empty()) << "the same printer as before: no restart note";
}

// The launcher's installation of one component, as the run does it.
class TestManagerHost : public PrinterManagerHost {
public:
    explicit TestManagerHost(RecordingHost& host) : host_(host) {}
    InstallHost& Installation() override { return host_; }
    void InstallComponent(OrvoComponent& component) override {
        host_.IsSilent();
        component.message.clear();
        component.Install(host_);
        ++installs;
    }
    int installs = 0;

private:
    RecordingHost& host_;
};

TEST_F(ManagerTest, ActionRunnerReportsSuccessAndFailureWithThePlainMessage) {
    TestManagerHost manager(host);
    PrinterPackages packages(launcher.Path());
    SpoolerState spooler(true);
    EXPECT_EQ(RunPrinterAction(manager, kActionInstall), 0);
    EXPECT_EQ(manager.installs, 1);
    EXPECT_THAT(host.statuses, ElementsAre("Installing Pellmore Virtual Printer... (This may take a few minutes.)"));
    EXPECT_TRUE(host.marquee);
    EXPECT_TRUE(host.GetSilentFlag() == false) << "the installation set the flag again from the option";
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], "Pellmore Virtual Printer Install.\nYou must exit all instances of Pellmore Orvo on "
                                "this workstation and restart Pellmore Orvo for this to take effect.");
    EXPECT_EQ(answers.types[0], static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_THAT(waits.waits(), ElementsAre(5000u, 5000u));

    // A legacy printer with no uninstaller: the upgrade stops after the removal.
    PrinterPackages::RemoveProducts();
    TestPrinter legacy(kCurrent, "driver_novapdf_7_9");
    answers.asked.clear();
    EXPECT_EQ(RunPrinterAction(manager, kActionUpgrade), 0);
    EXPECT_EQ(manager.installs, 1) << "not installed over the printer that stayed";
    ASSERT_EQ(answers.asked.size(), 2u);
    EXPECT_EQ(answers.asked[0], "Finished Uninstalling Previous Version...");
    EXPECT_THAT(answers.asked[1], ::testing::StartsWith("Pellmore Virtual Printer attempted to Upgrade but failed.\n\n"
                                                         "Could not locate the uninstaller."));
    EXPECT_THAT(answers.asked[1], HasSubstr("Control Panel.\n\nOn Vista"));
    EXPECT_THAT(answers.asked[1], HasSubstr("Failed to uninstall Pellmore Printer 7.x."));
    EXPECT_THAT(answers.asked[1], ::testing::Not(HasSubstr("<br/>")));
}

// A real box: owned by the launcher window that asks, even while another
// window of the thread is the active one.
TEST_F(ManagerTest, TheRestartQuestionBelongsToTheAskingWindow) {
    struct WindowHost : RecordingHost {
        HWND window = nullptr;
        HWND GetOwnerWindow() override { return window; }
    } asking;
    asking.window = CreateWindowA("STATIC", "launcher", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND other = CreateWindowA("STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 60, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    SetActiveWindow(other);
    fw::Prompter* scripted = fw::SetPrompter(nullptr);
    HWND owner = nullptr;
    std::thread user([&owner] {
        HWND box = WaitForTitledDialog("Pellmore Orvo");
        if (!box) return;
        owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    AskPrinterRestart(&asking);
    user.join();
    fw::SetPrompter(scripted);
    DestroyWindow(other);
    DestroyWindow(asking.window);
    EXPECT_EQ(owner, asking.window);
}

} // namespace
