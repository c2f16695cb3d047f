// The ordered, owning list of prerequisites a dialog works on, filled from
// the catalogue, with the or of its component bits.
#pragma once

#include "components/orvo_component.h"

#include <memory>
#include <vector>

class OrvoComponents {
public:
    using List = std::vector<std::unique_ptr<OrvoComponent>>;

    // excludeOptional: the compatibility checker's lists leave optional components out.
    explicit OrvoComponents(int excludeOptional = 0) : excludeOptional(excludeOptional) {}
    OrvoComponents(const OrvoComponents&) = delete;
    OrvoComponents& operator=(const OrvoComponents&) = delete;

    // Deletes every component, then builds the catalogue: each row is kept
    // unless it is optional in an exclude-optional list or not applicable here.
    void Fill();
    // Appends a component built elsewhere (the printer manager, tests),
    // without the catalogue's filters.
    void Add(std::unique_ptr<OrvoComponent> component);
    void Clear();

    // False when a required component counts as missing: verify-each-start
    // components are asked, the others judged by their bit.
    bool AreRequiredComponentsSatisfied(unsigned installedBits) const;

    unsigned GetAllBits() const { return allBits_; }
    size_t size() const { return components_.size(); }
    bool empty() const { return components_.empty(); }
    OrvoComponent& at(size_t index) const { return *components_.at(index); }
    // The component with that bit, or null.
    OrvoComponent* Find(unsigned bit) const;

    List::const_iterator begin() const { return components_.begin(); }
    List::const_iterator end() const { return components_.end(); }

    int excludeOptional;

private:
    void RecomputeAllBits();

    List components_;
    unsigned allBits_ = 0;
};
