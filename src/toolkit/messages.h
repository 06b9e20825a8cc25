// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes: its own prompts (OK only, the application's
// title) and the report of a run-time error.
#pragma once

#include <QString>

class RuntimeError;

enum class MsgBoxStyle { OkOnly = 0, Critical = 16 };

// Shows a prompt with an OK button and waits for it. objectName "msgBox".
void MsgBox(const QString &prompt, MsgBoxStyle style = MsgBoxStyle::OkOnly);
// Reports an untrapped run-time error: its number and description, under the
// application's title. objectName "runtimeErrorReport".
void ShowRuntimeErrorReport(const RuntimeError &error);
// The report's text, as the box shows it.
QString RuntimeErrorText(const RuntimeError &error);
