// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole of one quorvant-cli invocation: the desktop program's start-up
// (built-in values, settings file, activation check), the command-line
// overrides, then one document creation run.

#include <QByteArray>
#include <QList>
#include <QStringList>

// 130 as a shell reports a program ended by Ctrl-C.
enum ExitStatus { ExitSuccess = 0, ExitFailed = 1, ExitUsage = 2, ExitCancelled = 130 };

// arguments as the system gave them, the program first (CliArguments.h);
// returns the exit status.
int runCommandLine(const QList<QByteArray> &arguments);
// The same from text: each argument's UTF-8.
int runCommandLine(const QStringList &arguments);
