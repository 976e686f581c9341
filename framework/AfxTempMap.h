// Temporary wrappers for handles the framework does not own: one wrapper per
// handle, made on demand and dropped (detached, never destroying the handle)
// when the message loop is idle or the handle is gone.
#pragma once
#include <map>

template <class TObject, class THandle>
class CAfxTempMap
{
public:
    ~CAfxTempMap() { RemoveIf([](THandle) { return true; }); }

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

private:
    std::map<THandle, TObject*> m_map;
};
