#pragma once

#include "app/TALL.h"
#include "radio/Catalogue.h"
#include "radio/FrqList.h"
#include "radio/MacList.h"

// The catalogue, band table and state as the data module builds them, without
// reading any settings or language file.
struct CatalogueFixture {
    CatalogueFixture() {
        FillBandTable(Bands);
        RegisterModels(Models, All);
    }
    CatalogueFixture(const CatalogueFixture&) = delete;
    CatalogueFixture& operator=(const CatalogueFixture&) = delete;

    TMacList Models;
    TALL All;
    TFrqList Bands;
};
