#pragma once

#include <utility>

/// The program's default error handler. Qt must not carry exceptions through its event loop, so
/// every event handler runs through it: an error the handler itself does not catch ends the
/// handler and its text is shown in the error message box of the dialog service; work the user
/// cancelled (CancelledByUser) ends without a message.
class ErrorHandler {
public:
    /// Runs a handler; an exception ends it and is shown.
    template <typename Fn> static void run(Fn&& handler) noexcept {
        try {
            std::forward<Fn>(handler)();
        } catch (...) {
            showCurrentException();
        }
    }

    /// Shows the exception being handled; call it only inside a catch block.
    static void showCurrentException() noexcept;
};
