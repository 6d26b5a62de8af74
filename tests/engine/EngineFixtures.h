#pragma once

#include "engine/model/MemoryDataSet.h"

#include <QDate>
#include <QString>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// Paths and data shared by the engine tests.
namespace EngineFixtures {

inline QString path(const QString& name) {
    return QString::fromUtf8(ENGINE_TEST_DIR "/") + name;
}

/// Ten items in three groups (A: 3, B: 4, C: 3), values 1.0, 1.5, ... 5.5.
inline std::unique_ptr<MemoryDataSet> items(bool open = true) {
    QList<QVariantList> rows;
    const char* groups = "AAABBBBCCC";
    for (int i = 0; i < 10; ++i)
        rows.append({QString(QLatin1Char(groups[i])), u"Položka %1"_s.arg(i + 1), 1.0 + i * 0.5});
    return std::make_unique<MemoryDataSet>(
        QList<ReportField>{{u"skupina"_s, ReportField::Kind::Text},
                           {u"meno"_s, ReportField::Kind::Text},
                           {u"hodnota"_s, ReportField::Kind::Float}},
        rows, open);
}

/// A herd of 90 animals of four sires, sorted by sire, with made-up but plausible yields.
inline std::unique_ptr<MemoryDataSet> herd() {
    const char* sires[] = {"GOLDWYN CA 5457798", "MOUNTAIN US 137404", "O MAN US 2103297",
                           "SHOTTLE UK 580507"};
    const int daughters[] = {24, 27, 18, 21};
    const char* names[] = {"Malina", "Jahoda", "Bela", "Cifra", "Dora",   "Hviezda",
                           "Kveta",  "Lienka", "Mima", "Ruža",  "Straka", "Zuzka"};
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
    };
    QList<QVariantList> rows;
    int number = 100234;
    for (int s = 0; s < 4; ++s) {
        for (int d = 0; d < daughters[s]; ++d) {
            const int lactation = 1 + next(6);
            rows.append({u"SK %1"_s.arg(number += 7 + next(90), 9, 10, QLatin1Char('0')),
                         QString::fromUtf8(names[next(12)]), QString::fromLatin1(sires[s]),
                         QDate(2022 - lactation, 1 + next(12), 1 + next(28)), lactation,
                         6200.0 + next(4800), 3.45 + next(130) / 100.0, 3.05 + next(60) / 100.0});
        }
    }
    auto field = [](const char* name, ReportField::Kind kind) {
        return ReportField{QString::fromLatin1(name), kind};
    };
    return std::make_unique<MemoryDataSet>(
        QList<ReportField>{
            field("cislo", ReportField::Kind::Text), field("meno", ReportField::Kind::Text),
            field("otec", ReportField::Kind::Text), field("narodena", ReportField::Kind::Date),
            field("laktacia", ReportField::Kind::Integer),
            field("mlieko", ReportField::Kind::Float), field("tuk", ReportField::Kind::Float),
            field("bielkoviny", ReportField::Kind::Float)},
        rows, false);
}

} // namespace EngineFixtures
