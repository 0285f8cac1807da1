#include "views/pictures.h"

TBitmap hUKMap;
TBitmap hLOGO;
TBitmap hUEFACUP;
TBitmap hCUPKLEIN;
std::array<TBitmap, kTeams> hVlag;

void LoadPictures() {
    hUKMap = LoadBitmap(kMapBitmap);
    hLOGO = LoadBitmap(kLogoBitmap);
    hUEFACUP = LoadBitmap(kTrophyBitmap);
    hCUPKLEIN = LoadBitmap(kSmallCupBitmap);
    for (int i = 0; i < kTeams; ++i)
        hVlag[i] = LoadBitmap(kFirstFlagBitmap + i);
}
