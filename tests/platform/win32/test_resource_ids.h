#pragma once

// Shared by test_dialogs.rc and the tests; plain macros, as the resource compiler reads them.
#define TEST_MODAL_DIALOG 9001
#define TEST_MODELESS_DIALOG 9002
#define TEST_NAME_EDIT 9101
#define TEST_SURE_CHECK 9102
#define TEST_TRY_BUTTON 9103
