#pragma once

#include <QString>
#include <chrono>

/// How a piece of work waits for the selection's lock (ZamokVyberu) while another report or
/// user holds it: the window shows a small dialog naming the work, with a button to give up,
/// and stays painted; without one installed the work just waits, as the runner does.
class CakanieNaVyber {
public:
    virtual ~CakanieNaVyber() = default;

    /// Called again and again while praca waits, cakane since the wait began; pauses for a
    /// moment itself and returns false when the user gave up.
    virtual bool cakaj(const QString& praca, std::chrono::milliseconds cakane) = 0;
    /// The wait is over, whether the lock was taken or not.
    virtual void koniec() = 0;
};
