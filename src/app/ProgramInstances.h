#pragma once

class TDataModuleHlavny;
class TDataModuleTabulky;
class TFormHlavny;
class TFormHraniceOdDo;
class TFormOAplikacii;
class TFormZostava;
class TFormParametreTab10;
class TFormParametreTab8;

/// The program-wide single instances, created by the start-up in a fixed order and reachable by
/// everything created after them. A pointer stays null until its instance exists.
struct ProgramInstances {
    TDataModuleHlavny* DataModuleHlavny = nullptr;
    TFormHlavny* FormHlavny = nullptr;
    TFormOAplikacii* FormOAplikacii = nullptr;
    TDataModuleTabulky* DataModuleTabulky = nullptr;
    TFormParametreTab10* FormParametreTab10 = nullptr;
    TFormZostava* FormZostava = nullptr;
    TFormParametreTab8* FormParametreTab8 = nullptr;
    TFormHraniceOdDo* FormHraniceOdDo = nullptr;
};
