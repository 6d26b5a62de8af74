#pragma once

/// A heifer in the herd at the horizon, with her first calving as planned and the service
/// that got her in calf (conception after the horizon: not served yet).
struct DemoHeifer {
    int animal = -1;
    int herd = 0;
    int barn = 0;
    int firstCalving = 0;
    int conception = 0;
    int serviceSire = -1;
};
