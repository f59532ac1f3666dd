// TComponent: ownership of components and their destruction in reverse creation order.
#include "ui/Classes.h"

TComponent::TComponent(TComponent* owner) : m_owner(owner) {}

TComponent::~TComponent() {
    m_destroying = true;
    DestroyComponents();
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
    m_components.push_back(std::move(component));
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
    for (auto it = m_components.begin(); it != m_components.end(); ++it) {
        if (it->get() != component) continue;
        std::unique_ptr<TComponent> owned = std::move(*it);
        m_components.erase(it);
        return owned;
    }
    return nullptr;
}

void TComponent::DestroyComponents() {
    // Pop before deleting, so that a component's destructor never sees itself in the list.
    while (!m_components.empty()) {
        std::unique_ptr<TComponent> last = std::move(m_components.back());
        m_components.pop_back();
        last.reset();
    }
}
