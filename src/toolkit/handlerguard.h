// SPDX-License-Identifier: GPL-3.0-or-later
// Every handler runs through this guard: a run-time error raised inside it is
// reported, a refused field is said in the program's own message box, and the
// handler returns, so no exception crosses a Qt signal or event and the window
// goes on working.
#pragma once

#include "numbers/campo.h"
#include "numbers/runtimeerror.h"
#include "toolkit/messages.h"

#include <QObject>
#include <new>
#include <utility>

template<typename Body> void Guard(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (const RifiutoCampo &rifiuto) {
        MsgBox(rifiuto.testo);
    } catch (const RuntimeError &error) {
        ShowRuntimeErrorReport(error);
    } catch (const std::bad_alloc &) {
        ShowRuntimeErrorReport(RuntimeError(ErrorNumber::Overflow));
    }
}

// Connects a signal to a handler of the window object, through the guard.
template<typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection ConnectHandler(Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler] { Guard([&] { (receiver->*handler)(); }); });
}
