#pragma once
// The steel quantities of the wall and the two length fields: they keep the
// lengths and the quantities of the state and write their own labels.

#include "window/window_parts.h"

#include <QChar>

namespace pc {

class SteelQuantitiesHandlers
{
public:
    SteelQuantitiesHandlers(Platform &p, form::MainForm &f, RunState &s, const Catalogue &catalogue,
                            HandlerTrace &trace)
        : p(p), f(f), s(s), catalogue_(catalogue), trace(trace)
    {}

    void UpdateSteelQuantities();
    void Edit_WallLengthChange();
    void Edit_WallLengthEnter();
    void Edit_WallLengthExit();
    void Edit_WallLengthKeyPress(QChar &key);
    void Edit_SSPLengthChange();
    void Edit_SSPLengthEnter();
    void Edit_SSPLengthExit();
    void Edit_SSPLengthKeyPress(QChar &key);

private:
    struct LengthFieldRefs;
    LengthFieldRefs wallField();
    LengthFieldRefs pileField();
    void lengthChange(const LengthFieldRefs &r);
    void lengthEnter(const LengthFieldRefs &r);
    void lengthExit(const LengthFieldRefs &r);
    const Catalogue &cat() const { return catalogue_; }

    Platform &p;
    form::MainForm &f;
    RunState &s;
    const Catalogue &catalogue_;
    HandlerTrace &trace;
};

void wireSteelQuantities(form::MainForm &f, SteelQuantitiesHandlers &quantities);

} // namespace pc
