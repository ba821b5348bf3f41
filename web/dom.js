// Small helpers the page's scripts share: an element by its id, and a new element with its
// attributes and its text (always set as text, never as markup).
'use strict';

const PayvantaDom = {
    byId: (id) => document.getElementById(id),
    element(tag, attributes = {}, text = '') {
        const e = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes)) {
            e.setAttribute(name, value);
        }
        e.textContent = text;
        return e;
    },
};
