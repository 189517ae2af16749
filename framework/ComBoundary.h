#pragma once

// The one rule at every door from the system or a client into this code (COM interface methods,
// dispatch, window and dialog procedures, system callbacks, the host's message loop): no C++
// exception goes through it. An exception caught there becomes the door's failure answer and the
// caller goes on; what the code behind the door had begun must already be undone by then, which
// is why changes that can run out of memory half way are built first and put in place after.

#include <windows.h>

#include <utility>

// Inside a catch block: E_OUTOFMEMORY for an allocation that failed (std::bad_alloc, and
// std::length_error for a size no allocation can give), E_UNEXPECTED for any other exception.
HRESULT HResultOfCaughtException() noexcept;

// Runs body, an HRESULT-returning call; an exception it throws answers as above.
template <class Body> HRESULT ComBoundary(Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return HResultOfCaughtException();
    }
}

// Runs body and returns its value; an exception it throws answers failure.
template <class R, class Body> R AtBoundary(R failure, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

// A reference held on a COM object for the length of one call, also when the call ends by an
// exception: a handler may make its client release the object meanwhile.
template <class Object> class CCallReference
{
public:
    explicit CCallReference(Object* object) : m_object(object) { m_object->AddRef(); }
    ~CCallReference() { m_object->Release(); }
    CCallReference(const CCallReference&) = delete;
    CCallReference& operator=(const CCallReference&) = delete;

private:
    Object* m_object;
};
