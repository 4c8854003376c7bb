// The export's file box, now shared by every window that exports (ui/common/export_file.h).
#pragma once

#include "ui/common/export_file.h"
