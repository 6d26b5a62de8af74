#pragma once

/// One test-day record. When only one milking was weighed (`converted`) the measured milk and
/// fat content differ from the day's estimate the lactation is computed from.
struct DemoTestDay {
    int date = 0;
    int day = 0; ///< days in milk
    double milk = 0;
    double fat = 0;
    double protein = 0;
    double lactose = 0;
    double cells = 0;
    double urea = 0;
    double dayMilk = 0;
    double dayFat = 0;
    char milking = 'R';
    char group = '1';
    bool converted = false;
};
