#pragma once
// Identifiers of the resources in keyvane.rc (shared with the code that loads
// them; the resource compiler reads this file too, so only #defines here).

#define IDI_KEYVANE 1

#define IDB_BTNDISABLED 101
#define IDB_BTNENABLED 102
#define IDB_BTNADDNEW 103
#define IDB_BTNEDIT 104
#define IDB_BTNDELETE 105
#define IDB_BTNFEEDBACK 106
#define IDB_BTNABOUT 107
#define IDB_BTNSETTINGS 108
#define IDB_BTNDONATE 109
