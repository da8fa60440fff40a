#include "LayoutTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Registry.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace bars_test {

void LayoutTest::SetUp() {
    BarsTest::SetUp();
    form->SetName("MainForm");
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = (std::filesystem::path(tmp != nullptr ? tmp : "/tmp") / "layout-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    SetRegistryStoreFileName(PathOf("registry.dat"));
    ovSetBarLayoutReportSink([this](const std::string& ALine) { reports.push_back(ALine); });
}

void LayoutTest::TearDown() {
    ovSetBarLayoutReportSink(nullptr);
    BarsTest::TearDown();
    SetRegistryStoreFileName("");
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string LayoutTest::ReadText(const std::string& APath) {
    return ReadFileBytes(APath).value_or("");
}

void LayoutTest::WriteText(const std::string& APath, const std::string& AText) {
    std::ofstream out(APath, std::ios::binary | std::ios::trunc);
    out << AText;
    ASSERT_TRUE(out.good());
}

TovBarManager* LayoutTest::LoadManager(const std::function<void(TovBarManager*)>& ADesign) {
    TovBarManager* manager = nullptr;
    {
        TComponentLoading loading(form);
        manager = new TovBarManager(form);
        manager->SetName("BarManager1");
        ADesign(manager);
    }
    CallLog().clear();
    return manager;
}

void LayoutTest::StandardDesign(TovBarManager* AManager) {
    TComponent* owner = AManager->Owner();
    auto* open = new TovBarButton(owner);
    open->SetName("OpenButton");
    open->SetCaption("&Open");
    auto* save = new TovBarButton(owner);
    save->SetName("SaveButton");
    save->SetCaption("&Save");
    auto* file = new TovBarSubItem(owner);
    file->SetName("FileItem");
    file->SetCaption("&File");
    file->ItemLinks()->AddItem(open);
    file->ItemLinks()->AddItem(save);

    TovBar* menu = AManager->Bars()->Add();
    menu->SetCaption("Menu");
    menu->SetDockingStyle(dsTop);
    menu->SetRow(0);
    menu->SetVisible(true);
    menu->ItemLinks()->AddItem(file);

    TovBar* standard = AManager->Bars()->Add();
    standard->SetCaption("Standard");
    standard->SetDockingStyle(dsTop);
    standard->SetRow(1);
    standard->SetVisible(true);
    standard->ItemLinks()->AddItem(open);
    TovBarItemLink* storeLink = standard->ItemLinks()->AddItem(save);
    storeLink->SetBeginGroup(true);
    storeLink->SetUserCaption("Store");

    TovBar* extra = AManager->Bars()->Add();
    extra->SetCaption("Extra");
    extra->SetFloatLeft(300);
    extra->SetFloatTop(200);
    extra->SetFloatClientWidth(120);
    extra->SetFloatClientHeight(40);
}

TovBarManager* LayoutTest::LoadStandard(const std::string& AIniFile) {
    return LoadManager([&](TovBarManager* AManager) {
        StandardDesign(AManager);
        AManager->IniFileName = AIniFile;
        AManager->StoreInIniFile = true;
    });
}

StandardParts LayoutTest::Parts(TovBarManager* AManager) {
    StandardParts parts;
    parts.Open = dynamic_cast<TovBarButton*>(AManager->GetItemByName("OpenButton"));
    parts.Save = dynamic_cast<TovBarButton*>(AManager->GetItemByName("SaveButton"));
    parts.File = dynamic_cast<TovBarSubItem*>(AManager->GetItemByName("FileItem"));
    parts.Menu = AManager->GetBarByName("BarManager1Bar1");
    parts.Standard = AManager->GetBarByName("BarManager1Bar2");
    parts.Extra = AManager->GetBarByName("BarManager1Bar3");
    return parts;
}

std::vector<std::string> LayoutTest::Captions(TovBarManager* AManager) {
    std::vector<std::string> captions;
    for (int i = 0; i < AManager->Bars()->Count(); ++i)
        captions.push_back(AManager->Bars()->GetItem(i)->Caption());
    return captions;
}

std::vector<std::string> LayoutTest::LinkNames(TovBarItemLinks* ALinks) {
    std::vector<std::string> names;
    for (int i = 0; i < ALinks->Count(); ++i)
        names.push_back(ALinks->Items(i)->Item() ? ALinks->Items(i)->Item()->Name() : "<none>");
    return names;
}

} // namespace bars_test
