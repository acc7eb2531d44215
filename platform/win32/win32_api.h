#pragma once

// <windows.h> for the backend, with the settings every file of it shares.
#include <windows.h>
