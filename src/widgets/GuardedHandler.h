#pragma once

#include "ErrorHandler.h"

#include <concepts>
#include <functional>
#include <type_traits>
#include <utility>

/// A signal handler entered through the default error handler. Connect signals through it:
///     connect(action, &QAction::triggered, this, guarded(this, &TForm::MenuItemClick));
/// It takes as many of the signal's arguments as the wrapped handler accepts, as Qt does.
template <typename Fn> class GuardedHandler {
public:
    explicit GuardedHandler(Fn handler)
        : m_handler(std::move(handler)) {}

    template <typename... Args>
    requires std::invocable<Fn&, Args...>
    void operator()(Args&&... args) {
        ErrorHandler::run([&] { std::invoke(m_handler, std::forward<Args>(args)...); });
    }

private:
    Fn m_handler;
};

template <typename Fn> GuardedHandler<std::decay_t<Fn>> guarded(Fn&& handler) {
    return GuardedHandler<std::decay_t<Fn>>(std::forward<Fn>(handler));
}

template <typename Object, typename Method> auto guarded(Object* object, Method method) {
    return guarded(std::bind_front(method, object));
}
