// Temporary wrappers for handles the framework does not own: one wrapper per
// handle, made on demand and dropped (detached, never destroying the handle)
// when the message loop is idle or the handle is gone.
#pragma once
#include <map>

template <class TObject, class THandle>
class CAfxTempMap
{
public:
    ~CAfxTempMap() { RemoveAll(); }

    // The module's one map of TObject wrappers.
    static CAfxTempMap& Get()
    {
        static CAfxTempMap map;
        return map;
    }

    // The wrapper of h, attached with TObject::Attach when it is new.
    TObject* FromHandle(THandle h)
    {
        return FromHandle(h, [](TObject& object, THandle hNew) { object.Attach(hNew); });
    }

    // The wrapper of h; attach(wrapper, h) fills a new one.
    template <class FnAttach>
    TObject* FromHandle(THandle h, FnAttach attach)
    {
        if (h == nullptr)
            return nullptr;
        TObject*& pObject = m_map[h];
        if (pObject == nullptr)
        {
            pObject = new TObject;
            attach(*pObject, h);
        }
        return pObject;
    }

    // Drops the wrappers whose handle satisfies pred; detach(wrapper) first.
    template <class FnPred>
    void RemoveIf(FnPred pred)
    {
        for (auto it = m_map.begin(); it != m_map.end();)
        {
            if (pred(it->first))
            {
                it->second->Detach();
                delete it->second;
                it = m_map.erase(it);
            }
            else
            {
                ++it;
            }
        }
    }

    void Remove(THandle h)
    {
        RemoveIf([h](THandle hOther) { return hOther == h; });
    }

    void RemoveAll()
    {
        RemoveIf([](THandle) { return true; });
    }

private:
    std::map<THandle, TObject*> m_map;
};
