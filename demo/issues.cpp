// An issue list: a type 0 list created with TARNS_VARIABLEHEIGHT whose
// "Summary" column wraps onto up to three lines, so rows differ in height;
// longer summaries end in "..." on their third line. The narrow "Area" and
// "Owner" columns cut their texts with "..." as well. Horizontal grid lines
// separate the rows.

#include "demo.h"

namespace {

const char* const kIssues[][4] = {
    {"1042", "Crash when the last column is hidden", "Layout", "Kim"},
    {"1047",
     "Header text is cut off after a column was resized by double-clicking its divider",
     "Column headers", "Alexandra"},
    {"1051",
     "Dropping the list near the bottom of the screen opens it above the control, but "
     "its first row is then partly hidden behind the task bar",
     "Drop-down list", "Jonathan"},
    {"1058",
     "Sorting a group of more than a thousand rows takes several seconds on older "
     "machines: the comparison callback runs far more often than expected, the list "
     "flickers while it sorts, and the scroll bar jumps back to the top when it is done; "
     "a progress indicator or sorting in steps would help",
     "Sorting", "Maximilian"},
    {"1063", "Tool tips for truncated cells", "Display options", "Lee"},
    {"1066", "Row numbers start at 0 in one row-header mode and at 1 in another",
     "Row headers", "Priya"},
};

const COLORREF kRuleColor = RGB(176, 184, 198);

}  // namespace

void FillIssues(HWND list) {
    const ColumnDef cols[4] = {
        MakeColumn(0, Chars(6), TARNCF_RIGHT, "No."),
        MakeColumn(1, Chars(36), TARNCF_LEFT | TARNCF_WORDWRAP, "Summary"),
        MakeColumn(2, Chars(9), TARNCF_LEFT, "Area"),
        MakeColumn(3, Chars(8), TARNCF_LEFT, "Owner"),
    };
    Tarn_SetColumns(list, 4, cols);
    for (const auto& issue : kIssues) {
        const int row = Tarn_AddString_A(list, issue[0]);
        if (row < 0) continue;
        for (int col = 1; col < 4; ++col) Tarn_SetText_A(list, row, col, issue[col]);
    }

    FitColumnToText(list, 0);   // the narrow "Area" and "Owner" stay narrow

    Tarn_SetItemLines(list, 3);          // wrapped cells show at most three lines
    Tarn_SetShowTruncated(list, TRUE);   // the default; cut texts end in "..."
    // By default the last column runs to the right edge; here "Owner" keeps
    // its narrow width, so long names are cut as well.
    Tarn_SetOpenEnded(list, FALSE);
    Tarn_SetShowHeader(list, TARN_HEADER_FLAT);
    Tarn_SetShowGrid(list, TRUE);
    Tarn_SetGridStyle(list, TARN_GRID_HORIZONTAL);

    CtlColors colors;
    Tarn_GetCtlColors(list, &colors);
    colors.horzGridColor = kRuleColor;
    Tarn_SetCtlColors(list, &colors);
}
