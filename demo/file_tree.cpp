// A file tree: a type 0 list whose rows have levels, joined by dotted tree
// lines, with an item bitmap per row (folder, page, picture, script) and a
// label bitmap (a status dot) in front of the files.

#include "demo.h"

namespace {

enum { kNoBadge = -1 };

struct Node {
    int level;
    Icon icon;
    int badge;          // Badge, or kNoBadge
    const char* name;
    const char* size;
    const char* modified;
};

const Node kFiles[] = {
    {0, kIconFolderOpen, kNoBadge, "website", "", ""},
    {1, kIconPage, kBadgeClean, "index.html", "4.2 KB", "12 Mar 2024"},
    {1, kIconPage, kBadgeChanged, "contact.html", "2.8 KB", "03 Jun 2024"},
    {1, kIconFolderOpen, kNoBadge, "css", "", ""},
    {2, kIconScript, kBadgeChanged, "site.css", "9.6 KB", "03 Jun 2024"},
    {2, kIconScript, kBadgeClean, "print.css", "1.1 KB", "20 Feb 2024"},
    {1, kIconFolderOpen, kNoBadge, "images", "", ""},
    {2, kIconPicture, kBadgeClean, "logo.png", "14 KB", "08 Jan 2024"},
    {2, kIconFolderOpen, kNoBadge, "team", "", ""},
    {3, kIconPicture, kBadgeNew, "anna.jpg", "86 KB", "28 May 2024"},
    {3, kIconPicture, kBadgeNew, "ben.jpg", "91 KB", "28 May 2024"},
    {2, kIconPicture, kBadgeClean, "banner.jpg", "212 KB", "08 Jan 2024"},
    {1, kIconFolderOpen, kNoBadge, "scripts", "", ""},
    {2, kIconScript, kBadgeChanged, "menu.js", "3.4 KB", "04 Jun 2024"},
    {2, kIconScript, kBadgeClean, "gallery.js", "7.9 KB", "15 Apr 2024"},
    {1, kIconFolder, kNoBadge, "archive", "", ""},
    {1, kIconPage, kBadgeClean, "robots.txt", "68 B", "12 Mar 2024"},
};

}  // namespace

void FillFileTree(HWND tree) {
    const ColumnDef cols[3] = {
        MakeColumn(0, Chars(16), TARNCF_LEFT, "Name"),
        MakeColumn(1, Chars(9), TARNCF_RIGHT, "Size"),
        MakeColumn(2, Chars(13), TARNCF_LEFT, "Modified"),
    };
    Tarn_SetColumns(tree, 3, cols);

    // Index -1 gives the size of the zones and switches them on; each row
    // then gets its own bitmaps. Neither call hands the bitmap over: the demo
    // deletes them after the controls are gone.
    Tarn_SetItemLabel(tree, -1, BadgeBitmap(kBadgeClean));
    Tarn_SetItemBitmap(tree, -1, IconBitmap(kIconFolder));

    for (const Node& n : kFiles) {
        const int row = Tarn_AddString_A(tree, n.name);
        if (row < 0) continue;
        Tarn_SetText_A(tree, row, 1, n.size);
        Tarn_SetText_A(tree, row, 2, n.modified);
        Tarn_SetItemLevel(tree, row, n.level);
        Tarn_SetItemBitmap(tree, row, IconBitmap(n.icon));
        if (n.badge != kNoBadge) Tarn_SetItemLabel(tree, row, BadgeBitmap(static_cast<Badge>(n.badge)));
    }

    FitColumnToText(tree, 1);
    FitColumnToText(tree, 2);
    Tarn_SetShowTreeLines(tree, TRUE);
    Tarn_SetShowHeader(tree, TARN_HEADER_FLAT);
    // As in a file explorer, a selected row highlights only its name.
    Tarn_SetSelectionStyle(tree, TARN_SELECT_FIRSTTEXT);
}
