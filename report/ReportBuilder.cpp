#include "report/ReportBuilder.h"

#include "app/EditorHost.h"
#include "app/Maindb.h"
#include "editors/ChannelTable.h"
#include "editors/IdentityFields.h"
#include "lang/FormTexts.h"
#include "lang/ItemTags.h"
#include "report/ReportRows.h"

#include <optional>

namespace {

// The radio information window as it shows the image when opened.
TInfoShown StoredInfo(const TALL& all) {
    const TFormTexts texts = TFormTexts::OnOpen(all, "fInfoMsg");
    return {
        {texts.Caption("lbModel", "Model Type"), all.ModelName},
        {texts.Caption("lbFreq", "Frequency[MHz]"), all.BandText},
        {texts.Caption("lbSerial", "Serial Number"), SerialNumberText(RadioImageView(all.Image))}};
}

// The function setting window as it shows the image when opened; its lists
// are translated with their entries.
class TStoredFunSet : public FunSetShown {
public:
    explicit TStoredFunSet(const TALL& all)
        : texts_(TFormTexts::OnOpen(all, "fBFunSet")),
          settings_(LoadSettings(RadioImageView(all.Image))) {}

    std::string Title() const override { return texts_.Caption("fBFunSet", "Function Setting"); }
    std::string Caption(FunSetId id) const override {
        const TFunSetControl& c = FunSetControl(id);
        return texts_.Caption(c.Kind == FunSetKind::Check ? c.Name : c.Label, c.Caption);
    }
    std::string Text(FunSetId id) const override {
        const TFunSetControl& c = FunSetControl(id);
        const int index = settings_[id];
        if (c.Kind != FunSetKind::List || index < 0) {
            return FunSetText(settings_, id);
        }
        const int count = static_cast<int>(c.Entries.size());
        const std::string builtin(c.Entries[static_cast<std::size_t>(index)]);
        if (index < TranslatedItemCount(ItemList::ComboBox, c.Tag, true, count)) {
            return texts_.Item(c.Name, index, builtin);
        }
        return builtin;
    }
    bool Checked(FunSetId id) const override { return settings_[id] != 0; }

private:
    TFormTexts texts_;
    TFunctionSettings settings_;
};

// The texts of the channel grid window when opened: column titles from its
// hidden layout list, option entries from its drop-down lists.
TChannelTexts StoredChannelTexts(const TALL& all) {
    const TFormTexts form = TFormTexts::OnOpen(all, "fChInfo");
    TChannelTexts texts;
    for (std::size_t i = 0; i < texts.ColumnList.size(); ++i) {
        texts.ColumnList[i] = form.Item("lbColumns", static_cast<int>(i), texts.ColumnList[i]);
    }
    const auto list = [&](const char* name, std::array<std::string, 2>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = form.Item(name, static_cast<int>(i), entries[i]);
        }
    };
    list("cbPower", texts.Power);
    list("cbWN", texts.Bandwidth);
    list("cbYesNo", texts.YesNo);
    texts.None = form.Item("cbDec", 0, texts.None);
    return texts;
}

// A closed grid keeps no window in step.
class NoHost : public EditorHost {
public:
    void RefreshEditors(int) override {}
    void SelectChannelNode(bool) override {}
};

} // namespace

void BuildReport(TfMaindb& db, const TReportSources& open) {
    db.myAdo.clear();
    db.myMain.clear();

    const TInfoShown info = open.Info ? *open.Info : StoredInfo(db.All);
    db.myMain.push_back(InfoReportRow(db.All.AppTitle, info));

    if (open.Functions) {
        AppendFunctionRows(db.myAdo, *open.Functions, db.Language);
    } else {
        AppendFunctionRows(db.myAdo, TStoredFunSet(db.All), db.Language);
    }

    if (open.Channels) {
        AppendChannelRows(db.myAdo, *open.Channels, db.Language);
    } else {
        NoHost host;
        TChannelTable grid(db.All, host, StoredChannelTexts(db.All));
        grid.LoadAllRows();
        AppendChannelRows(db.myAdo, grid, db.Language);
    }
}
