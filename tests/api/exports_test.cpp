// The DLL's export table: every exported name sits at its fixed ordinal.
#include "support/control_fixture.h"

#include <cstring>
#include <map>
#include <string>

#include "ordinal_table.h"

namespace {

// Reads the export directory of a loaded module: name -> ordinal.
std::map<std::string, unsigned> ExportedNames(HMODULE module, DWORD* ordinalBase)
{
    std::map<std::string, unsigned> names;
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exp = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto* nameRvas = reinterpret_cast<const DWORD*>(base + exp->AddressOfNames);
    auto* nameOrdinals = reinterpret_cast<const WORD*>(base + exp->AddressOfNameOrdinals);
    for (DWORD i = 0; i < exp->NumberOfNames; ++i)
        names[reinterpret_cast<const char*>(base + nameRvas[i])] = exp->Base + nameOrdinals[i];
    *ordinalBase = exp->Base;
    return names;
}

TEST(Exports, EveryExportedNameSitsAtItsOrdinal)
{
    HMODULE dll = GetModuleHandleA("TARN32.dll");
    ASSERT_NE(dll, nullptr);
    DWORD base = 0;
    auto names = ExportedNames(dll, &base);
    EXPECT_EQ(base, 121u);

    std::map<std::string, unsigned> table;
    for (const OrdinalEntry& e : kOrdinalTable)
        table[e.name] = e.ordinal;
    EXPECT_EQ(table.size(), 169u);

    for (const auto& [name, ordinal] : names) {
        auto it = table.find(name);
        ASSERT_NE(it, table.end()) << name << " is exported but not part of the interface";
        EXPECT_EQ(ordinal, it->second) << name;
        // GetProcAddress by ordinal and by name agree.
        EXPECT_EQ(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal)), GetProcAddress(dll, name.c_str())) << name;
    }

    // The families finished so far are exported completely.
    for (const char* required :
         {"Tarn_GetCount", "Tarn_GetLocale", "Tarn_SetLocale", "Tarn_AddString_A", "Tarn_InsertString_A",
          "Tarn_DeleteString", "Tarn_ResetContent", "Tarn_CopyItem", "Tarn_MoveItem", "Tarn_GetText_A",
          "Tarn_GetTextLength", "Tarn_SetText_A", "Tarn_GetRowText_A", "Tarn_GetRowTextLength", "Tarn_SetRowText_A",
          "Tarn_GetItemData", "Tarn_SetItemData", "Tarn_GetItemLabel", "Tarn_SetItemLabel", "Tarn_GetItemBitmap",
          "Tarn_SetItemBitmap", "Tarn_GetItemStatus", "Tarn_SetItemStatus", "Tarn_FindString_A",
          "Tarn_FindStringExact_A", "Tarn_SelectString_A", "Tarn_SelectStringExact_A", "Tarn_FindItem",
          "Tarn_SetDeleteCallback", "Tarn_SetColumns", "Tarn_GetColumns", "Tarn_SetHeader_A", "Tarn_GetHeader_A",
          "Tarn_GetHeaderLength", "Tarn_GetHeaderRect", "Tarn_SetHeaderButton", "Tarn_GetHeaderButton",
          "Tarn_SetResizeHeader", "Tarn_GetResizeHeader", "Tarn_SetReorderColumns", "Tarn_GetReorderColumns",
          "Tarn_SetColHeaderFont", "Tarn_GetColHeaderFont", "Tarn_MouseFilterHook", "Tarn_KeyboardFilterHook",
          "Tarn_ProcessMouseMessage", "Tarn_RegisterApp", "Tarn_UnregisterApp", "Tarn_WndProc", "TCtl_WndProc",
          "TDropDown_WndProc", "Tarn_GetCurSel", "Tarn_SetCurSel", "Tarn_GetHWNDEdit", "Tarn_GetHWNDDropDown",
          "Tarn_GetDroppedState"})
        EXPECT_TRUE(names.count(required)) << required << " is not exported";

    // The window procedures exported are the ones the classes use.
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(dll, TARN32_CLASS, &wc));
    EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc), reinterpret_cast<void*>(GetProcAddress(dll, "Tarn_WndProc")));
}

TEST(Exports, VersionRecordIs3_5_1_19)
{
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("TARN32.dll"), path, MAX_PATH), 0u);
    HRSRC res = FindResourceA(GetModuleHandleA("TARN32.dll"), MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_NE(res, nullptr);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleA("TARN32.dll"), res)));
    ASSERT_NE(data, nullptr);
    // VS_FIXEDFILEINFO follows the "VS_VERSION_INFO" key, 32-bit aligned.
    const DWORD size = SizeofResource(GetModuleHandleA("TARN32.dll"), res);
    const VS_FIXEDFILEINFO* info = nullptr;
    for (DWORD off = 0; off + sizeof(VS_FIXEDFILEINFO) <= size; off += 4) {
        auto* candidate = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + off);
        if (candidate->dwSignature == 0xFEEF04BD) {
            info = candidate;
            break;
        }
    }
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dwFileVersionMS, MAKELONG(5, 3));
    EXPECT_EQ(info->dwFileVersionLS, MAKELONG(19, 1));
    EXPECT_EQ(info->dwProductVersionMS, MAKELONG(5, 3));
    EXPECT_EQ(info->dwProductVersionLS, MAKELONG(19, 1));
}

TEST(Exports, ModuleResourcesLoad)
{
    HMODULE dll = GetModuleHandleA("TARN32.dll");
    for (int id : {32620, 32621, 32623})
        EXPECT_NE(LoadCursorA(dll, MAKEINTRESOURCEA(id)), nullptr) << id;
    for (int id : {32624, 32625}) {
        HBITMAP bmp = LoadBitmapA(dll, MAKEINTRESOURCEA(id));
        ASSERT_NE(bmp, nullptr) << id;
        BITMAP bm;
        GetObjectA(bmp, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 16);
        EXPECT_EQ(bm.bmHeight, 12);
        DeleteObject(bmp);
    }
    char text[128];
    EXPECT_GT(LoadStringA(dll, 32620, text, sizeof text), 0);
    EXPECT_GT(LoadStringA(dll, 32621, text, sizeof text), 0);
    EXPECT_NE(FindResourceA(dll, MAKEINTRESOURCEA(300), RT_DIALOG), nullptr);
}

class Hooks : public ControlTest {};

TEST_F(Hooks, MouseMessagesNeverCloseAListBox)
{
    HWND hwnd = Create(TARNS_LISTBOX);
    SetFocus(hwnd);
    Pump();
    // The focus is on the edit field inside the control; a press elsewhere
    // is not swallowed, since a type 0 control has nothing to close.
    EXPECT_EQ(Tarn_ProcessMouseMessage(parent(), 0, 0), 0);
    EXPECT_EQ(Tarn_ProcessMouseMessage(hwnd, 0, 0), 0);
    EXPECT_TRUE(Tarn_RegisterApp(0));
}

TEST_F(Hooks, ClosedDropDownIsNotClosedAgain)
{
    HWND hwnd = Create(TARNS_DROPDOWNLIST);
    AddItems(hwnd, 3);
    SetFocus(hwnd);
    Pump();
    ClearLog();
    EXPECT_EQ(Tarn_ProcessMouseMessage(parent(), 0, 0), 0);
    // The close message on a closed list commits nothing and reports nothing.
    SendMessageA(hwnd, TARNM_CLOSEDROPDOWN, 0, 0);
    EXPECT_TRUE(Codes().empty());
}

} // namespace
