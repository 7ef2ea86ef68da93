// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

// Whether a create run is under way. A run pumps the front end's events while it works, so a
// window could ask for anything meanwhile: while a run is under way the list takes no refill
// or reorder a front end asks for, the settings take no edit and no second run starts. The
// run's own changes (the final "/" of the folders, rows it unchecks, PlayMusic turned off) go
// through.
class RunInProgress {
public:
    bool active() const { return m_active; }

    // Held by a run for as long as it works. A scope taken while another is held holds
    // nothing: held() is false and the run must not start.
    class Scope {
    public:
        explicit Scope(RunInProgress& run) : m_run(run), m_held(!run.m_active) {
            m_run.m_active = true;
        }
        ~Scope() {
            if (m_held) {
                m_run.m_active = false;
            }
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        bool held() const { return m_held; }

    private:
        RunInProgress& m_run;
        bool m_held;
    };

private:
    bool m_active = false;
};

} // namespace vistrel
