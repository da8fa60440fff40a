// Start-up and shut-down of the system's modules as one explicit, ordered sequence instead of relying on
// the order of static initialisation. Each module registers an init and a shutdown function with an
// order number (lower starts first); the program calls InitializeModules() at start and
// FinalizeModules() at exit. Only the GUI thread uses this registry.
#pragma once

#include <functional>
#include <string>

// Registers a module. Returns false (and changes nothing) when `name` is already registered. A module
// registered after InitializeModules() starts at the next call of InitializeModules().
bool RegisterModule(const std::string& name, int order, std::function<void()> init,
                    std::function<void()> shutdown);

// Runs the init function of every registered module not yet initialised, by order and, within one
// order, by registration. If an init throws, the modules it started in this call are shut down again in
// reverse and the exception is passed on.
void InitializeModules();

// Runs the shutdown functions of the initialised modules in the reverse of their initialisation. Every
// shutdown runs even if an earlier one throws; the first exception is passed on afterwards.
void FinalizeModules();

// Whether the named module's init has run and its shutdown has not.
bool IsModuleInitialized(const std::string& name);

// Forgets every registration (for tests; modules must be finalised first).
void ClearModuleRegistry();
