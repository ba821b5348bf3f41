// The main form in the browser: builds the form's controls from the engine's layout (each
// element's id is its control name) and is the engine's view, one method per view call.
// Texts from files and fields are always set as text, never as markup.
'use strict';

(() => {
    const programFolder = '/payvanta';
    const tables = ['Customer.ini', 'MillMoto.ini', 'UtilRate.ini', 'ShoeCost.ini', 'TipCosts.ini'];

    let engine = null;
    let form = null;
    // The questions and commands (questions.js), the project files (files.js).
    let questions = null;
    let files = null;
    // The business-case inputs over their page (case_inputs.js).
    let caseInputs = null;
    // While the page itself moves the focus, the fields do not report leaving or entering.
    let movingFocus = false;
    // Leave checks run once the focus has moved, in the order the fields were left.
    const pendingChecks = [];
    // Messages wait their turn; the focus the form asked for is given when the last closes.
    const messages = [];
    let focusAfterMessages = null;

    const { byId, element } = PayvantaDom;

    // The character code a key gives the form's key filter, -1 for a key that types none.
    function characterCode(event) {
        if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'v') {
            return 22;
        }
        switch (event.key) {
        case 'Backspace': return 8;
        case 'Enter': return 13;
        case 'Escape': return 27;
        default: break;
        }
        if (event.ctrlKey || event.metaKey || event.altKey || event.key.length !== 1) {
            return -1;
        }
        return event.key.codePointAt(0);
    }

    // The total last announced: a new one is announced once the user has left a field or
    // picked an item, not on every key.
    let totalAnnounced = '';
    function announceTotal() {
        const total = byId('lblSummaryTotal');
        if (total.textContent === totalAnnounced) {
            return;
        }
        totalAnnounced = total.textContent;
        byId('summaryNotice').textContent = total.getAttribute('aria-label');
    }

    function runPendingChecks() {
        if (questions.busy()) {
            questions.whenIdle(runPendingChecks);
            return false;
        }
        let passed = true;
        while (pendingChecks.length > 0) {
            const name = pendingChecks.shift();
            if (!form.controlLeft(name)) {
                passed = false;
            }
        }
        announceTotal();
        return passed && messages.length === 0;
    }

    // A command first runs the checks still waiting and that of the field being edited.
    function beforeCommand() {
        const active = document.activeElement;
        if (active && active.dataset.field && !pendingChecks.includes(active.id)) {
            pendingChecks.push(active.id);
        }
        return runPendingChecks();
    }

    function bindField(input) {
        const name = input.id;
        input.dataset.field = '1';
        input.addEventListener('keydown', (event) => {
            // Alt+Down opens a list's items, as on the desktop.
            const picker = byId(`${name}-items`);
            if (picker && event.altKey && event.key === 'ArrowDown') {
                event.preventDefault();
                picker.focus();
                return;
            }
            const code = characterCode(event);
            if (code >= 0 && form.keyPressed(name, code) === 0) {
                event.preventDefault();
            }
        });
        input.addEventListener('input', () => form.textChanged(name, input.value));
        input.addEventListener('drop', (event) => event.preventDefault());
        input.addEventListener('focusout', (event) => {
            // While its items are open, the user is still in the list.
            const toItems = event.relatedTarget && event.relatedTarget.id === `${name}-items`;
            if (movingFocus || toItems || document.querySelector('dialog[open]') || questions.busy()) {
                return;
            }
            pendingChecks.push(name);
            setTimeout(runPendingChecks, 0);
        });
        input.addEventListener('focusin', () => {
            if (!movingFocus) {
                form.controlEntered(name);
            }
        });
    }

    // A control's name for a screen reader: where the caption does not say what it holds, the
    // name the form gives; otherwise its caption.
    const spokenName = (item) => item.spoken || item.caption;

    function fieldRow(grid, item) {
        const label = element('label', { for: item.control }, item.caption);
        let box;
        let input;
        if (item.kind === 'list') {
            box = element('span', { class: 'combo' });
            input = element('input', { id: item.control, type: 'text', role: 'combobox',
                autocomplete: 'off' });
            const picker = element('select', { id: `${item.control}-items`, tabindex: '-1',
                'aria-label': `${spokenName(item)} items` });
            picker.addEventListener('focus', () => form.listOpened(item.control));
            picker.addEventListener('change', () => {
                form.listItemPicked(item.control, picker.selectedIndex);
                announceTotal();
                input.focus();
            });
            box.append(input, picker);
        } else {
            input = element('input', { id: item.control, type: 'text', autocomplete: 'off' });
            box = input;
        }
        if (item.toolTip) {
            input.title = item.toolTip;
        }
        if (item.spoken) {
            input.setAttribute('aria-label', item.spoken);
        }
        input.readOnly = item.readOnly;
        bindField(input);
        if (item.hidden) {
            label.hidden = true;
            box.hidden = true;
        }
        if (item.column === 0 && item.kind === 'list' && grid.dataset.wideLists) {
            box.classList.add('wide');
        }
        label.style.gridColumn = String(item.column * 2 + 1);
        box.style.gridColumn = String(item.column * 2 + 2);
        grid.append(label, box);
    }

    function buildHelpFrame(fieldset, items) {
        const topics = element('select', { id: items[0].control,
            'aria-label': spokenName(items[0]) });
        topics.addEventListener('change', () => form.listItemPicked(topics.id,
            topics.selectedIndex));
        const page = element('pre', { id: items[1].control, tabindex: '0', role: 'document',
            'aria-labelledby': `${fieldset.id}-legend` });
        fieldset.append(topics, page);
    }

    function buildForm(layout) {
        document.title = layout.title;
        byId('messageTitle').textContent = layout.messageTitle;
        byId('fileTitle').textContent = layout.messageTitle;
        byId('questionTitle').textContent = layout.messageTitle;
        byId('questionBox').setAttribute('aria-label', layout.spokenMessageTitle);
        byId('messageBox').setAttribute('aria-label', layout.spokenMessageTitle);
        byId('fileBox').setAttribute('aria-label', layout.spokenMessageTitle);
        const strip = byId('TabStrip1');
        const frames = byId('frames');
        layout.tabs.forEach((tab, i) => {
            const button = element('button', { type: 'button', role: 'tab', id: tab.control,
                'aria-selected': 'false' }, tab.caption);
            button.addEventListener('click', () => {
                if (beforeCommand()) {
                    view.selectTab(i + 1);
                    form.tabClicked(i + 1);
                }
            });
            strip.append(button);
            const frame = layout.frames[i];
            const fieldset = element('fieldset', { id: frame.control, class: 'frame',
                role: 'tabpanel', hidden: '' });
            fieldset.append(element('legend', { id: `${frame.control}-legend` }, frame.caption));
            const items = layout[`frame${i + 1}`];
            if (i === 0) {
                buildHelpFrame(fieldset, items);
            } else {
                const grid = element('div', { class: 'grid' });
                if (i >= 2 && i <= 4) {
                    grid.dataset.wideLists = '1';
                }
                for (const item of items) {
                    fieldRow(grid, item);
                }
                fieldset.append(grid);
            }
            frames.append(fieldset);
        });
        const [summaryFrame, ...amounts] = layout.summary;
        byId(summaryFrame.control).querySelector('legend').textContent = summaryFrame.caption;
        const rows = byId('summaryRows');
        for (const amount of amounts) {
            const total = amount.control === 'lblSummaryTotal';
            const attributes = total ? { class: 'total' } : {};
            const caption = element('span', attributes, amount.caption);
            // Reachable from the keyboard and heard with their caption ("Total: $1,234.00");
            // the total is announced through the notice once a change is made, not per key.
            const value = element('output', { id: amount.control, tabindex: '0', 'aria-live': 'off',
                'data-caption': amount.caption, ...attributes });
            rows.append(caption, value);
        }
        const commands = byId('commands');
        for (const command of layout.commands) {
            const button = element('button', { type: 'button', id: command.control },
                command.caption);
            if (command.toolTip) {
                button.title = command.toolTip;
            }
            if (command.description) {
                button.setAttribute('aria-description', command.description);
            }
            button.addEventListener('click', () => runCommand(command.control));
            commands.append(button);
        }
        byId('fileCaption').textContent = layout.status[0].caption;
        PayvantaReports.buildMenus(layout, runCommand);
    }

    // Ctrl+Tab and Ctrl+PageDown go to the next tab, Ctrl+Shift+Tab and Ctrl+PageUp back, as
    // the field being edited is left; the focus lands on the new page's first field.
    function stepTab(event) {
        const steps = { Tab: event.shiftKey ? -1 : 1, PageDown: 1, PageUp: -1 };
        if (!event.ctrlKey || event.altKey || event.metaKey || !(event.key in steps)) {
            return;
        }
        event.preventDefault();
        const tabs = [...byId('TabStrip1').querySelectorAll('[role="tab"]')];
        const frames = [...byId('frames').querySelectorAll('fieldset.frame')];
        if (tabs.some((tab) => tab.disabled) || document.querySelector('dialog[open]')
            || !beforeCommand()) {
            return;
        }
        const shown = frames.findIndex((frame) => !frame.hidden);
        const next = (shown + steps[event.key] + tabs.length) % tabs.length;
        view.selectTab(next + 1);
        form.tabClicked(next + 1);
        const field = [...frames[next].querySelectorAll('input, select, [tabindex="0"]')]
            .find((e) => !e.disabled && e.offsetParent !== null);
        if (field) {
            // The field just left has had its check: moving on does not run it again.
            moveFocus(field.id);
            if (field.dataset.field) {
                form.controlEntered(field.id);
            }
        }
    }

    function runCommand(name) {
        if (!beforeCommand()) {
            return;
        }
        files.command(name);
    }

    function showNextMessage() {
        const box = byId('messageBox');
        if (box.open || messages.length === 0) {
            return;
        }
        byId('messageText').textContent = messages[0];
        box.showModal();
        byId('messageOk').focus();
    }

    function messageClosed() {
        messages.shift();
        if (messages.length > 0) {
            showNextMessage();
            return;
        }
        const target = focusAfterMessages;
        focusAfterMessages = null;
        if (target) {
            moveFocus(target);
        }
    }

    function moveFocus(name) {
        const target = byId(name);
        if (!target) {
            return;
        }
        movingFocus = true;
        try {
            target.focus();
        } finally {
            movingFocus = false;
        }
    }

    function controlElement(name) {
        return byId(name) || byId(name.replace(/\(\d+\)$/, ''));
    }

    // The form's view: each method is a view call of the same name.
    const view = {
        setText(name, text) {
            const target = byId(name);
            if (!target) {
                return;
            }
            if (target.tagName === 'INPUT') {
                target.value = text;
            } else if (target.tagName === 'SELECT') {
                target.selectedIndex = [...target.options].findIndex((o) => o.text === text);
            } else {
                target.textContent = text;
            }
            if (target.dataset.caption) {
                target.setAttribute('aria-label', `${target.dataset.caption}: ${text}`);
            }
        },
        setListItems(list, items) {
            const target = byId(`${list}-items`) || byId(list);
            if (!target || target.tagName !== 'SELECT') {
                return;
            }
            target.replaceChildren(...items.map((item) => element('option', {}, item)));
            target.selectedIndex = -1;
        },
        showMessage(text) {
            messages.push(text);
            showNextMessage();
        },
        // Questions: the engine waits for their answers (see questions.js).
        askYesNo: (question) => questions.askYesNo(question),
        askText: (prompt) => questions.askText(prompt),
        chooseProjectFile: () => files.chooseProjectFile(),
        selectTab(index) {
            byId('TabStrip1').querySelectorAll('[role="tab"]').forEach((tab, i) => {
                tab.setAttribute('aria-selected', String(i + 1 === index));
            });
        },
        showFrame(index) {
            byId('frames').querySelectorAll('fieldset.frame').forEach((frame, i) => {
                frame.hidden = i + 1 !== index;
            });
        },
        setFocus(name) {
            if (byId('messageBox').open || byId('questionBox').open) {
                focusAfterMessages = name;
            } else {
                moveFocus(name);
            }
        },
        setEnabled(name, enabled) {
            if (name === 'TabStrip1') {
                byId(name).querySelectorAll('button').forEach((b) => { b.disabled = !enabled; });
                return;
            }
            const target = controlElement(name);
            if (target && 'disabled' in target) {
                target.disabled = !enabled;
            }
        },
        setChecked(name, checked) {
            PayvantaReports.setChecked(name, checked);
        },
        setFont() {},
        setProgressVisible(visible) {
            byId('ProgressBar1').hidden = !visible;
        },
        setProgress(value) {
            byId('ProgressBar1').value = value;
        },
        beep() {},
        showReport(page) {
            PayvantaReports.showReport(page, (command) => form.reportCommand(command),
                caseInputs.panelFor);
        },
        redrawReport: (page) => PayvantaReports.redrawReport(page),
        printPages(name, pages) {
            PayvantaReports.printPages(name, pages);
        },
        choosePdfFile() {
            return null;
        },
        showStatus(text) {
            byId('status').textContent = text;
        },
        endProgram: () => files.endProgram(),
    };

    async function start() {
        const texts = Promise.all(tables.map(async (name) => [name,
            new Uint8Array(await (await fetch(`data/${name}`)).arrayBuffer())]));
        engine = await Payvanta({ print: () => {}, printErr: () => {}, pageView: view });
        engine.FS.mkdirTree(programFolder);
        questions = PayvantaQuestions({ engine, byId });
        const layout = JSON.parse(engine.formLayout());
        buildForm(layout);
        caseInputs = PayvantaCaseInputs({ items: layout.caseInputs, form: () => form, byId,
            element });
        byId('version').textContent = engine.versionText();
        byId('messageOk').addEventListener('click', () => byId('messageBox').close());
        byId('messageBox').addEventListener('close', messageClosed);
        byId('fileCancel').addEventListener('click', () => byId('fileBox').close());
        form = questions.guard(new engine.WebForm(view, programFolder,
            payvantaLocale(navigator.language)));
        files = PayvantaFiles({ engine, form, questions, byId, element,
            showStatus: view.showStatus });
        for (const [name, bytes] of await texts) {
            engine.FS.writeFile(`${programFolder}/${name}`, bytes);
            files.known(`${programFolder}/${name}`);
        }
        form.load();
        document.addEventListener('keydown', stepTab);
        totalAnnounced = byId('lblSummaryTotal').textContent;
        byId('frmMain').setAttribute('aria-busy', 'false');
        performance.mark('payvanta-usable');
    }

    start().catch((error) => {
        byId('status').textContent = `Payvanta could not start: ${error}`;
    });
})();
