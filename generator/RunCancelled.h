// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thrown where the run finds the front end asked it to stop (between
// entries and between directories); DocumentRun ends the run there, as a
// failed one ends: an existing document as it was, nothing left behind.

struct RunCancelled {};
