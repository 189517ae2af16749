#pragma once

// Records the cell notices (WM_NOTIFY with a code, a row and a column) that reach a window into a
// list, by taking over its window procedure while the recorder lives. One recorder at a time.

#include <windows.h>

#include <tuple>
#include <vector>

class NoticeRecorder
{
public:
    using Notice = std::tuple<int, int, int>; // code, row, column

    NoticeRecorder(HWND window, std::vector<Notice>& into) : m_window(window), m_into(into)
    {
        s_active = this;
        m_previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Record)));
    }
    ~NoticeRecorder()
    {
        ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        s_active = nullptr;
    }
    NoticeRecorder(const NoticeRecorder&) = delete;
    NoticeRecorder& operator=(const NoticeRecorder&) = delete;

private:
    static LRESULT CALLBACK Record(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_NOTIFY) {
            struct Notify
            {
                NMHDR header;
                int row;
                int col;
            };
            auto* notice = reinterpret_cast<const Notify*>(lp);
            s_active->m_into.emplace_back(int(notice->header.code), notice->row, notice->col);
        }
        return ::CallWindowProcW(s_active->m_previous, hwnd, msg, wp, lp);
    }

    static inline NoticeRecorder* s_active = nullptr;
    HWND m_window;
    std::vector<Notice>& m_into;
    WNDPROC m_previous = nullptr;
};
