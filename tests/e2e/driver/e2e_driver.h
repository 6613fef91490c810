// The end-to-end driver: drives the real program from another process of the
// same Wine prefix, through its windows, the registry and the files of its
// folder. Every text is code page 936 bytes, as the program's own.
#pragma once

#include "tests/e2e/driver/controls.h"
#include "tests/e2e/driver/environment.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/list_view.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/top_level_windows.h"
#include "tests/e2e/driver/wait.h"
