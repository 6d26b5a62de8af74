#pragma once

#include <QDate>
#include <QString>
#include <optional>

/// The control period of reports 10.A, 10.B, 19 and 23: the test days from its first to its last
/// day, both included.
struct ObdobieKontrol {
    QDate zaciatok;
    QDate koniec;

    /// What the period dialog proposes: the period stored in the parameter row, or without one
    /// the year up to today, from the same day a year before (28 February when today is the
    /// 29th, which that year lacks).
    static ObdobieKontrol navrh(const std::optional<ObdobieKontrol>& ulozene, const QDate& dnes);
    /// Throws ChybaVstupu for a period that ends before it begins or lacks a day.
    static ObdobieKontrol zo(const QDate& zaciatok, const QDate& koniec);

    /// The period as the reports print it: both days in the short date format, joined by " - ".
    QString text() const;

    friend bool operator==(const ObdobieKontrol&, const ObdobieKontrol&) = default;
};
