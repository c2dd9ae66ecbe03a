#include "windowfactory.h"

#include <functional>
#include <typeindex>
#include <unordered_map>

#include "aboutwindow.h"
#include "alternativeswindow.h"
#include "assumptionswindow.h"
#include "comparewindow.h"
#include "drivetypeswindow.h"
#include "graphicwindow.h"
#include "mainwindow.h"
#include "proposalwindow.h"
#include "reportwindow.h"
#include "selectwindow.h"
#include "splashwindow.h"
#include "summarywindow.h"

namespace spindex::ui {

namespace {

using Maker = std::function<FormWindow*(WindowActions&, spindex::Form&, QWidget*)>;

// A window that belongs to its owner (every window opened from the main window).
template <class W, class F> std::pair<const std::type_index, Maker> owned() {
    return {typeid(F), [](WindowActions& a, spindex::Form& f, QWidget* owner) -> FormWindow* {
                return new W(a, static_cast<F&>(f), owner);
            }};
}

// A window of its own.
template <class W, class F> std::pair<const std::type_index, Maker> alone() {
    return {typeid(F),
            [](WindowActions& a, spindex::Form& f, QWidget*) -> FormWindow* { return new W(a, static_cast<F&>(f)); }};
}

} // namespace

FormWindow* makeWindow(WindowActions& actions, spindex::Form& form, QWidget* owner) {
    static const std::unordered_map<std::type_index, Maker> makers{
        alone<SplashWindow, spindex::SplashForm>(),
        alone<SelectWindow, spindex::SelectControllerForm>(),
        alone<MainWindow, spindex::MainForm>(),
        owned<ReportWindow, spindex::ReportForm>(),
        owned<GraphicWindow, spindex::GraphicForm>(),
        owned<SummaryWindow, spindex::SummaryForm>(),
        owned<AssumptionsWindow, spindex::AssumptionsForm>(),
        owned<AlternativesWindow, spindex::AlternativesForm>(),
        owned<CompareWindow, spindex::CompareForm>(),
        owned<ProposalWindow, spindex::ProposalForm>(),
        owned<DriveTypesWindow, spindex::DriveTypesForm>(),
        owned<AboutWindow, spindex::AboutForm>(),
    };
    const auto it = makers.find(typeid(form));
    return it == makers.end() ? nullptr : it->second(actions, form, owner);
}

} // namespace spindex::ui
