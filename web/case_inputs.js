// The business-case inputs over the Business Case page, as the desktop shows them: each box
// named by its control name, captioned and with its tool tip from the engine's layout,
// holding what the project holds. What is typed goes to the form at once (so Save Data saves
// it); a box that changed is checked by the form when it is left, and the page is built again
// from the inputs when a changed box is left or Enter is pressed in it.
'use strict';

// items: the layout's caseInputs (the frame first, then each input); form: the page's form,
// once it exists.
function PayvantaCaseInputs({ items, form, byId, element }) {
    const [frame, ...inputs] = items;
    // The inputs sit in rows of four, the cost first, then what the return is judged by.
    const rows = 4;
    let edited = false;

    function applyEdits() {
        if (edited) {
            edited = false;
            form().caseInputsApplied();
        }
    }

    // The check waits until the focus has moved, as the main form's leave checks do; a
    // box no longer on show (the page closed) or still the page's focus (the browser's
    // window lost it) is not one the user left, and neither is the focus going to the
    // message it gave.
    function checkLeft(input) {
        if (!input.isConnected || document.activeElement === input || byId('messageBox').open) {
            return;
        }
        form().caseInputLeft(input.id);
    }

    function box(item, i) {
        const input = element('input', { id: item.control, type: 'text', autocomplete: 'off' });
        input.value = form().caseInput(item.control);
        if (item.toolTip) {
            input.title = item.toolTip;
        }
        input.addEventListener('input', () => {
            form().caseInputChanged(item.control, input.value);
            edited = true;
        });
        input.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') {
                applyEdits();
            }
        });
        input.addEventListener('focusout', () => {
            if (byId('messageBox').open) {
                return;
            }
            applyEdits();
            setTimeout(() => checkLeft(input), 0);
        });
        const label = element('label', { for: item.control }, item.caption);
        const column = Math.floor(i / rows) * 2;
        label.style.gridColumn = String(column + 1);
        input.style.gridColumn = String(column + 2);
        label.style.gridRow = input.style.gridRow = String((i % rows) + 1);
        if (item.control === 'txtCaseCo2Source') {
            input.classList.add('wide');
        }
        return [label, input];
    }

    return {
        // The panel for a page shown, or null for a page that has none.
        panelFor(pageName) {
            if (pageName !== 'BusinessCase') {
                return null;
            }
            edited = false;
            const panel = element('fieldset', { id: frame.control, class: 'case-inputs' });
            panel.append(element('legend', {}, frame.caption));
            const grid = element('div', { class: 'case-grid' });
            inputs.forEach((item, i) => grid.append(...box(item, i)));
            panel.append(grid);
            return panel;
        },
    };
}
