// TComponentLoading: the bracket in which a form (or any component) builds itself in code, with the
// protocol a form read from a stream goes through.
//
//     TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
//         TComponentLoading loading(this);
//         Button1 = new TButton(this);          // csLoading and csReading while the form is built
//         loading.Bind("PopupMenu1", [this](TComponent* c) { Button1->SetPopupMenu(...); });
//         PopupMenu1 = new TPopupMenu(this);    // created after the button that refers to it
//     }                                         // bindings run, then Loaded on each, in creation order
//
// While the bracket is open the root and every component it comes to own (directly or further down)
// carry csLoading and csReading. At the end csReading is cleared, the bindings run in the order they were
// given, then Loaded is called on the root and on each component in the order they were created; Loaded
// clears csLoading. A bracket opened on a component that is already inside one (a frame built in its own
// constructor while its form is being built) joins the outer bracket: its bindings and Loaded calls run
// when the outer one ends. If the bracket is left by an exception, nothing is bound and Loaded is not
// called; the components lose csLoading and csReading.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TComponent;

class TComponentLoading {
public:
    explicit TComponentLoading(TComponent* Root);
    // Ends the bracket (see End) unless it ended already or an exception is leaving the scope.
    ~TComponentLoading() noexcept(false);
    TComponentLoading(const TComponentLoading&) = delete;
    TComponentLoading& operator=(const TComponentLoading&) = delete;

    // Runs Binding once every component exists, before any Loaded.
    void Defer(std::function<void()> Binding);
    // Looks Name up among the root's components once they all exist and hands the component to Binding;
    // raises EReadError "Component <Name> not found" then if there is none.
    void Bind(const std::string& Name, std::function<void(TComponent*)> Binding);
    // Ends the bracket now: bindings, then Loaded on each component. Raises whatever they raise; the
    // bracket is over either way.
    void End();

    TComponent* Root() const { return FRoot; }

private:
    friend class TComponent;

    // A component (with what it owns) enters the bracket.
    void Join(TComponent* AComponent);
    // A component that took part is being destroyed.
    void Leave(TComponent* AComponent);
    // Takes every component out of the bracket, clearing the loading states.
    void Detach();

    TComponent* FRoot;
    TComponentLoading* FOuter = nullptr; // set when this bracket joined an enclosing one
    std::vector<TComponent*> FLoaded;    // creation order; entries of destroyed components become null
    std::vector<std::function<void()>> FDeferred;
    int FUncaught;
    bool FEnded = false;
};
