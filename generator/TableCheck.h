#pragma once
// Brings the table values into range, as every activation of the main window
// does before a run can start (values out of range come only from a
// hand-edited settings file). The saved defaults are neither tested nor
// corrected.

struct GenerationOptions;

void checkTableValues(GenerationOptions &options);
