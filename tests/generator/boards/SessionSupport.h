#pragma once
// A new form's road without widgets, as the tests take it: a kit::FormSession started
// with the board's defaults, and what a form's controls show, read and stored.

#include "boards/kit/BoardForm.h"
#include "boards/kit/FormSession.h"

#include <string>

// The record a new form stores at once (its start, then a save).
inline SettingsRecord StartRecord(const kit::BoardLogic& logic) {
    kit::FormSession session(logic);
    session.Start(nullptr);
    session.Store();
    return session.Stored();
}

// A new form started with the defaults that loaded the record (Load Setting).
inline kit::FormSession LoadedSession(const kit::BoardLogic& logic, const SettingsRecord& r) {
    kit::FormSession session(logic);
    session.Start(nullptr);
    session.Load(r);
    return session;
}

// What a new form makes of a record it loads, as its next Save stores it.
inline void Normalise(const kit::BoardLogic& logic, SettingsRecord& r) {
    kit::FormSession session = LoadedSession(logic, r);
    session.Store();
    r = session.Stored();
}

// A new form that loads the record and generates it into qpfPath.
inline bool GenerateLoaded(const kit::BoardLogic& logic, const SettingsRecord& r,
                           const std::string& qpfPath) {
    return LoadedSession(logic, r).Generate(
        [&qpfPath](const std::string&, const std::string&) { return qpfPath; });
}

// What the form's controls show, stored into record.
inline void StoreShown(BoardForm& form, SettingsRecord& record) {
    form.Read();
    form.Logic().Store(form.View(), record);
}

// The checks of Save Setting on what the form's controls show.
inline bool SaveChecks(BoardForm& form) {
    form.Read();
    return form.Session().Check(kit::CheckFor::Save);
}

// The card chosen on a connector.
inline uint8_t ChosenCard(BoardForm& form, int connector) {
    form.Read();
    return static_cast<uint8_t>(form.Logic().StoredCard(form.View().record, connector));
}
