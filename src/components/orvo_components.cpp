#include "components/orvo_components.h"

#include "components/catalogue.h"

void OrvoComponents::Clear() {
    components_.clear();
    allBits_ = 0;
}

void OrvoComponents::Fill() {
    Clear();
    for (std::unique_ptr<OrvoComponent>& component : BuildCatalogue()) {
        if (excludeOptional && component->optional) continue;
        if (!component->IsApplicable()) continue;
        components_.push_back(std::move(component));
    }
    RecomputeAllBits();
}

void OrvoComponents::Add(std::unique_ptr<OrvoComponent> component) {
    if (!component) return;
    components_.push_back(std::move(component));
    RecomputeAllBits();
}

void OrvoComponents::RecomputeAllBits() {
    allBits_ = 0;
    for (const auto& component : components_) allBits_ |= component->componentBit;
}

bool OrvoComponents::AreRequiredComponentsSatisfied(unsigned installedBits) const {
    for (const auto& component : components_) {
        bool installed = component->verifyEachStart ? component->IsInstalled()
                                                    : (installedBits & component->componentBit) != 0;
        if (!installed && component->required) return false;
    }
    return true;
}

OrvoComponent* OrvoComponents::Find(unsigned bit) const {
    for (const auto& component : components_)
        if (component->componentBit == bit) return component.get();
    return nullptr;
}
