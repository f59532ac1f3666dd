// The root of the component layer: TObject, TComponent (owner of components) and the event type.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};

using TNotifyEvent = std::function<void(class TObject* Sender)>;

// A component belongs to its owner, which destroys the components it owns in the reverse order
// of their creation. Ownership is separate from the window tree (TWinControl::Parent).
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return m_owner; }
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Component(int index) const { return m_components[index].get(); }

    // Creates a component of type T owned by this one and returns a plain pointer to it.
    template <class T, class... Args>
    T* Create(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = component.get();
        Adopt(std::move(component));
        return raw;
    }
    // Takes over a component made elsewhere; it is destroyed with the others, newest first.
    void Adopt(std::unique_ptr<TComponent> component);
    // Gives up ownership of a component (null when this one does not own it).
    std::unique_ptr<TComponent> RemoveComponent(TComponent* component);
    // Destroys every owned component now, newest first.
    void DestroyComponents();
    // True while the destructor of this component is running.
    bool Destroying() const { return m_destroying; }

protected:
    void BeginDestroy() { m_destroying = true; }

private:
    TComponent* m_owner;  // not owned
    std::string m_name;
    std::vector<std::unique_ptr<TComponent>> m_components;  // owned, in creation order
    bool m_destroying = false;
};
