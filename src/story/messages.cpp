// messages.cpp -- the queue of speech boxes that the story, battles and items put on screen
#include <cstdlib>
#include <cstring>

#include "core/core.h"
#include "story/story.h"

namespace hm {

mes_rec *mes;

void init_messages()
{
    if (!mes) mes = static_cast<mes_rec *>(std::calloc(MES_COUNT, sizeof(mes_rec)));
    std::memset(mes, 0, sizeof(mes_rec) * MES_COUNT);
}

void freemes()
{
    std::free(mes);
    mes = nullptr;
}

void new_message(int kind, int face, int num, int group, int colour, int style, int num1, int num2, int num3,
                 const char *name)
{
    if (group == 0 || !mes) return;
    for (int k = 0; k < MES_COUNT; k++) {
        mes_rec &m = mes[k];
        if (m.in_use) continue;
        m.in_use = 1;
        m.kind = kind;
        m.face = face;
        m.num = num;
        m.group = group;
        m.num1 = num1;
        m.num2 = num2;
        m.num3 = num3;
        m.colour = colour;
        m.style = style;
        size_t len = name ? strnlen(name, MES_NAME_LEN - 1) : 0;
        std::memcpy(m.name, name ? name : "", len);
        m.name[len] = 0;
        return;
    }
}

void show_messages()
{
    if (!mes || j[talk_state] != 0) return;
    for (int k = 0; k < MES_COUNT; k++) {
        mes_rec &m = mes[k];
        if (!m.in_use) continue;
        j[mes_showing] = 1;
        j[party_hold] = 0;
        if (do_speech(m.face, m.num, m.group, m.colour, m.style, m.num1, m.num2, m.num3, m.name)) m.in_use = 0;
        return;
    }
    j[mes_showing] = 0;
}

int messages_clear()
{
    if (!mes) return 1;
    for (int k = 0; k < MES_COUNT; k++)
        if (mes[k].in_use) return 0;
    return 1;
}

}  // namespace hm
