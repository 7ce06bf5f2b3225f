#include "radio/Catalogue.h"

#include "app/TALL.h"
#include "radio/FrqList.h"
#include "radio/MacList.h"

void RegisterModels(TMacList& models, TALL& all) {
    TMacType model("WZRE", "KX-40(UHF)", 16);
    model.SetFreqLimits(300.0, 650.0);
    model.AddBand("400 - 470MHz");
    model.AddBand("440 - 530MHz");
    model.SetDefaultBand("400 - 470MHz");
    models.Add(std::move(model));

    all.SerialEditable = false;
    all.TestOnline = true;
    all.AppTitle = "KX-40";
    all.FineStep = 625;
    all.CoarseStep = 500;
}

Result<void> ApplyModel(TALL& all, const TMacList& models, const TFrqList& bands,
                        std::uint8_t bandCode, bool useBandCode) {
    const std::string text = bands.TextOf(bandCode);
    const TMacType* model = models.FindByBand(text);
    if (model == nullptr) {
        return Error{"No registered model supports the band \"" + text + "\"."};
    }
    // Parse before changing anything, so a failure leaves the state whole.
    BandRange range{all.BandLow, all.BandHigh};
    if (useBandCode) {
        const auto parsed = ParseBandRange(text);
        if (!parsed) {
            return parsed.error();
        }
        range = parsed.value();
    }
    all.CurrentModel = model;
    all.ModelName = model->Name;
    all.ModelCode = model->Code;
    all.MaxFreq = model->MaxFreq;
    all.MinFreq = model->MinFreq;
    all.ChannelCount = model->ChannelCount;
    all.BandText = useBandCode ? text : model->DefaultBand;
    all.BandLow = range.Low;
    all.BandHigh = range.High;
    return {};
}
