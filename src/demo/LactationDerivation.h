#pragma once

#include "RecordedLactation.h"

#include <span>
#include <vector>

/// What milk recording works out from the recorded lactations and their test days, the same
/// for a generated herd and for one read from a file that does not carry it:
/// - each lactation's total and standardised (305-day) yields by the test interval method and
///   its persistency;
/// - which lactation is each cow's current one: from her latest calving until she calves again
///   or is culled, so that a dried-off cow keeps hers with its end;
/// - the lactation index against herd-mates of the same herd, calving year and lactation number,
///   over ended lactations not cut short by culling;
/// - each cow's summary of her closed lactations and her performance class: fat and protein of
///   her last closed standardised lactation over the average of her herd-mates, the
///   standardised lactations of the cows still in the herd that calved in the same herd and
///   year in the same lactation (first, second, third and later), hers among them.
class LactationDerivation {
public:
    /// One test day: days in milk and the day's kilograms.
    struct TestDay {
        int day = 0;
        double milk = 0;
        double fat = 0;
        double protein = 0;
        double lactose = 0;
    };

    static constexpr int kStandardDays = 305;

    /// Days, standardised days and yields of one lactation from its test days (in order of day).
    /// A lactation that still milks counts to its last test day.
    static void evaluate(RecordedLactation& lactation, std::span<const TestDay> tests);

    /// Which lactations are closed, their indices and the summaries of the cows, `culled` telling
    /// for each cow whether she has left the herd. Lactations must have been evaluated; they may
    /// come in any order.
    static std::vector<CowSummary> summarise(std::span<RecordedLactation> lactations,
                                             const std::vector<bool>& culled);

    /// The class of a ratio of fat and protein to the herd-mates' average, in per cent: I from
    /// 115, II from 105, III from 95, IV below.
    static int performanceClass(double ratio);
};
