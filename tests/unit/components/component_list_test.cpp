// The catalogue fills a list in its fixed order with the right identities;
// the list owns its components; messages join as HTML paragraphs; the
// required-components test judges by bit or, for verify-each-start
// components, by asking.
#include "components/orvo_components.h"
#include "components/os_version.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

std::vector<std::string> Names(const OrvoComponents& list) {
    std::vector<std::string> names;
    for (const auto& component : list) names.push_back(component->displayName);
    return names;
}

// The launcher's folder with the printer's packages: the printer belongs in
// the catalogue only then.
class LauncherWithPrinterPackages {
public:
    LauncherWithPrinterPackages() {
        saved_ = GetCurrentFolder();
        SetCurrentDirectoryA(folder_.Path().c_str());
    }
    ~LauncherWithPrinterPackages() { SetCurrentDirectoryA(saved_.c_str()); }

private:
    TempFolder folder_{"orvo_catalogue"};
    PrinterPackages packages_{folder_.Path()};
    std::string saved_;
};

class Sentinel : public ScriptedComponent {
public:
    explicit Sentinel(bool* destroyed) : ScriptedComponent("sentinel", 0x4), destroyed_(destroyed) {}
    ~Sentinel() override { *destroyed_ = true; }

private:
    bool* destroyed_;
};

TEST(ComponentList, CatalogueOrderIdentityAndFilters) {
    OrvoComponents checker(1);
    checker.Fill();
    EXPECT_EQ(Names(checker), (std::vector<std::string>{".NET Framework v4.8", "Microsoft Visual C++ Redistributable 14.15",
                                                         "Microsoft Access Database Engine"}));
    EXPECT_EQ(checker.GetAllBits(), 0xC02u);
    EXPECT_EQ(checker.at(1).requiredVersion, "14.13");

    LauncherWithPrinterPackages packages;
    OrvoComponents launcher;
    launcher.Fill();
    ASSERT_EQ(launcher.size(), 5u);
    EXPECT_EQ(launcher.at(3).displayName, "Pellmore Components/PellLink");
    EXPECT_EQ(launcher.at(3).description, "PellLink, Scanning, and Company Integrations");
    EXPECT_EQ(launcher.at(4).displayName, "Pellmore Virtual Printer");
    EXPECT_EQ(launcher.at(4).componentBit, 0x100u);
    EXPECT_EQ(launcher.GetAllBits(), 0xD03u);
    for (const auto& component : launcher) {
        EXPECT_EQ(component->requiresAdministrator, 1) << component->displayName;
        EXPECT_EQ(component->verifyEachStart, 0) << component->displayName;
        EXPECT_EQ(component->required, component->optional ? 0 : 1) << component->displayName;
    }
}

TEST(ComponentList, RefillDeletesWhatTheListHeld) {
    OrvoComponents list;
    bool destroyed = false;
    list.Add(std::make_unique<Sentinel>(&destroyed));
    EXPECT_EQ(list.GetAllBits(), 0x4u);
    LauncherWithPrinterPackages packages;
    list.Fill();
    EXPECT_TRUE(destroyed);
    list.Fill();
    EXPECT_EQ(list.size(), 5u);
    EXPECT_EQ(list.GetAllBits(), 0xD03u);
}

TEST(ComponentList, ThePrinterWithoutItsPackagesIsNoPrerequisite) {
    TempFolder empty("orvo_catalogue");
    std::string saved = GetCurrentFolder();
    SetCurrentDirectoryA(empty.Path().c_str());
    OrvoComponents list;
    list.Fill();
    SetCurrentDirectoryA(saved.c_str());
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list.Find(0x100), nullptr);
    EXPECT_EQ(list.GetAllBits(), 0xC03u);
}

TEST(ComponentList, MessagesJoinAsParagraphs) {
    ScriptedComponent component("c", 1);
    component.AddMessage("");
    EXPECT_EQ(component.message, "");
    component.AddMessage("first");
    EXPECT_EQ(component.message, "first");
    component.AddMessage("");
    EXPECT_EQ(component.message, "first");
    component.AddMessage("second");
    EXPECT_EQ(component.message, "first<br/><br/>second");
}

TEST(ComponentList, RequiredComponentsByBitOrByAsking) {
    OrvoComponents catalogue;
    catalogue.Fill();
    EXPECT_FALSE(catalogue.AreRequiredComponentsSatisfied(0));
    // The vendor components and the printer are optional.
    EXPECT_TRUE(catalogue.AreRequiredComponentsSatisfied(0xC02));
    EXPECT_FALSE(catalogue.AreRequiredComponentsSatisfied(0xC00));

    OrvoComponents list;
    auto local = std::make_unique<ScriptedComponent>("local", 0x40, false);
    ScriptedComponent* localCopy = local.get();
    local->required = 1;
    local->verifyEachStart = 1;
    list.Add(std::move(local));
    // Its recorded bit does not count: it is asked.
    EXPECT_FALSE(list.AreRequiredComponentsSatisfied(0x40));
    localCopy->installed = true;
    EXPECT_TRUE(list.AreRequiredComponentsSatisfied(0));
    EXPECT_EQ(localCopy->isInstalledCalls, 2);
}

TEST(OsVersion, RealVersionOfTheSystem) {
    OSVERSIONINFOEXA info;
    QueryOSVersion(info);
    EXPECT_EQ(info.dwOSVersionInfoSize, sizeof(OSVERSIONINFOEXA));
    EXPECT_GE(info.dwMajorVersion, 5u);
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(IsWindowsXPSP3OrLater());
}

} // namespace
