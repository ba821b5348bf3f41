// The report pages and printing in the browser: the View and Printer-Fonts menus, a report
// page shown over the form as the engine lays it out (places in twips, fonts, rules, frames,
// the logo and charts as SVG), and the printed pages of a print job laid out one to a sheet
// for the browser's print. The engine decides every text, place and font; this only draws.
'use strict';

const PayvantaReports = (() => {
    const svgNamespace = 'http://www.w3.org/2000/svg';
    // The form lays its pages out at 15 twips to a pixel; CSS pixels are 96 to the inch,
    // as 1440 twips are, so the printed sheet is drawn at the same scale.
    const px = (twips) => `${twips / 15}px`;
    // The room kept between the cells of a table, so that two full cells never touch.
    const cellGap = 40;

    const { byId, element } = PayvantaDom;

    function svgElement(node) {
        const e = document.createElementNS(svgNamespace, node.tag);
        for (const [name, value] of Object.entries(node.attributes)) {
            e.setAttribute(name, value);
        }
        if (node.text) {
            e.textContent = node.text;
        }
        for (const child of node.children) {
            e.append(svgElement(child));
        }
        return e;
    }

    function fontFamily(name) {
        const fallback = /Times/.test(name) ? 'serif' : '"Microsoft Sans Serif", Arial, sans-serif';
        return `"${name}", ${fallback}`;
    }

    // The CSS of a font: the screen's is the one most items have, so it is built once.
    const fontStyles = new Map();
    function fontStyle(font, scale = 1) {
        const key = `${font.name}|${font.size}|${font.bold}|${scale}`;
        let style = fontStyles.get(key);
        if (!style) {
            style = `font-family:${fontFamily(font.name)};font-size:${(font.size || 8) * scale}pt;`
                + `font-weight:${font.bold ? 'bold' : 'normal'};`;
            fontStyles.set(key, style);
        }
        return style;
    }

    function setFont(e, font, scale = 1) {
        e.style.cssText += fontStyle(font, scale);
    }

    function place(e, item) {
        e.style.cssText = `left:${px(item.left)};top:${px(item.top || 0)};`
            + `width:${px(item.width)};height:${px(item.height)};`;
    }

    // A line from (left, top) to (left + width, top + height), or a rectangle.
    function drawLines(item) {
        const svg = document.createElementNS(svgNamespace, 'svg');
        const w = Math.max(item.width, 15);
        const h = Math.max(item.height, 15);
        place(svg, { ...item, width: w, height: h });
        svg.setAttribute('viewBox', `0 0 ${w} ${h}`);
        svg.setAttribute('preserveAspectRatio', 'none');
        const shape = document.createElementNS(svgNamespace, item.kind === 'frame' ? 'rect' : 'line');
        const attributes = item.kind === 'frame'
            ? { x: 0, y: 0, width: w, height: h }
            : { x1: 0, y1: 0, x2: item.width, y2: item.height };
        for (const [name, value] of Object.entries(attributes)) {
            shape.setAttribute(name, value);
        }
        shape.setAttribute('class', 'stroke');
        svg.append(shape);
        return svg;
    }

    // One item of a page or sheet: texts as text, in their font and box.
    function drawItem(item, onButton) {
        let e;
        if (item.kind === 'rule' || item.kind === 'frame') {
            e = drawLines(item);
        } else if (item.svg) {
            e = svgElement(item.svg);
            place(e, item);
        } else if (item.kind === 'button') {
            e = element('button', { type: 'button' }, item.text);
            e.addEventListener('click', () => onButton(item.control));
            place(e, item);
        } else {
            e = element('div', {}, item.text.replace(/\r\n/g, '\n'));
            place(e, item);
            // A text of more than two rows wraps in its box; the others keep their lines.
            e.classList.add(item.height > 2 * 255 ? 'wraps' : 'line');
            e.style.textAlign = item.align;
            if (item.kind === 'field') {
                e.tabIndex = 0;
            }
        }
        e.classList.add('item');
        if (item.control) {
            e.dataset.control = item.control;
        }
        if (item.font && item.kind !== 'rule' && item.kind !== 'frame') {
            e.style.cssText += fontStyle(item.font);
        }
        return e;
    }

    // ---- The report page shown over the form ----

    let returnFocus = null;

    function reportBox() {
        let box = byId('reportBox');
        if (!box) {
            box = element('dialog', { id: 'reportBox', class: 'report-box' });
            box.addEventListener('close', () => {
                box.replaceChildren();
                const target = returnFocus;
                returnFocus = null;
                if (target && target.isConnected) {
                    target.focus();
                }
            });
            document.body.append(box);
        }
        return box;
    }

    function drawPage(sheet, page, command) {
        sheet.dataset.page = page.page;
        sheet.style.width = px(page.width);
        sheet.style.height = px(page.height);
        sheet.replaceChildren(...page.items.map((item) => drawItem(item, command)));
    }

    // The page, drawn from the engine's page data, until Back or Escape. The print
    // commands of its menu go back to the engine with the page's control names. panelFor
    // gives the inputs shown above a page, if it has any.
    function showReport(json, command, panelFor = () => null) {
        const page = JSON.parse(json);
        const box = reportBox();
        if (box.open) {
            box.close();
        }
        returnFocus = document.activeElement;
        box.setAttribute('aria-label', page.caption);
        const menu = element('div', { class: 'report-menu', role: 'menubar' });
        for (const m of page.menu) {
            const b = element('button', { type: 'button', role: 'menuitem', id: m.control },
                m.caption);
            b.addEventListener('click', () => (m.prints ? command(m.control) : box.close()));
            // A menu takes no focus from the box being edited, as the desktop's menu bar.
            b.addEventListener('mousedown', (event) => event.preventDefault());
            menu.append(b);
        }
        const sheet = element('div', { class: 'report-page' });
        drawPage(sheet, page, command);
        const scroll = element('div', { class: 'report-scroll' });
        scroll.append(sheet);
        const panel = panelFor(page.page);
        box.replaceChildren(element('h1', { class: 'report-caption' }, page.caption), menu,
            ...(panel ? [panel] : []), scroll);
        redrawCommand = command;
        box.showModal();
        // The window opens on its first value.
        const first = sheet.querySelector('[tabindex="0"]');
        (first || menu.firstChild).focus();
        performance.mark('payvanta-report-shown');
    }

    // The page on show built again by the engine, drawn in place of the one before.
    let redrawCommand = null;
    function redrawReport(json) {
        const sheet = document.querySelector('#reportBox[open] .report-page');
        if (sheet) {
            drawPage(sheet, JSON.parse(json), redrawCommand);
        }
    }

    // ---- Printing ----

    function sheetsArea() {
        let area = byId('printSheets');
        if (!area) {
            area = element('div', { id: 'printSheets', 'aria-hidden': 'true' });
            document.body.append(area);
        }
        return area;
    }

    // A text wider than its box (or taller than its row) prints smaller, and the texts of
    // one table all in the size its tightest needs, as the desktop's pages print.
    function fitTexts(sheet, items) {
        const scales = [];
        const groups = new Map();
        sheet.querySelectorAll('.item').forEach((e, i) => {
            const item = items[i];
            let scale = 1;
            if (item.kind === 'text' && item.width > 0 && item.height <= 2 * 255) {
                const words = e.firstChild;
                const room = (item.width - (item.fitGroup ? cellGap : 0)) / 15;
                const width = words.getBoundingClientRect().width;
                const height = words.getBoundingClientRect().height;
                if (width > room) {
                    scale = Math.min(scale, room / width);
                }
                if (item.height > 0 && height > item.height / 15) {
                    scale = Math.min(scale, item.height / 15 / height);
                }
            }
            scales.push(scale);
            if (item.fitGroup) {
                groups.set(item.fitGroup, Math.min(groups.get(item.fitGroup) ?? 1, scale));
            }
        });
        sheet.querySelectorAll('.item').forEach((e, i) => {
            const item = items[i];
            const scale = item.fitGroup ? groups.get(item.fitGroup) : scales[i];
            if (scale < 1) {
                setFont(e, item.font, scale);
            }
        });
    }

    function drawSheet(area, page) {
        const sheet = element('div', { class: 'sheet' });
        area.append(sheet);
        // A line of text without a top of its own goes below the one printed before it.
        let nextLine = 0;
        for (const item of page.items) {
            const e = drawItem(item, () => {});
            if (item.kind === 'text') {
                // The words in a span of their own, so that their width can be measured.
                const words = element('span', {}, e.textContent);
                e.replaceChildren(words);
                e.style.top = px(item.top ?? nextLine);
                if (item.width === 0) {
                    e.style.width = 'auto';
                    e.style.height = 'auto';
                }
            }
            sheet.append(e);
            if (item.kind === 'text') {
                const top = item.top ?? nextLine;
                nextLine = top + e.firstChild.getBoundingClientRect().height * 15;
            }
        }
        fitTexts(sheet, page.items);
    }

    // A print job from the engine: its pages, one to a sheet, to the browser's print. The
    // sheets stay until the next job, named after it; the document takes the job's name
    // while it prints, which names the file of "Save as PDF".
    function printPages(name, json) {
        const area = sheetsArea();
        area.replaceChildren();
        area.dataset.job = name;
        for (const page of JSON.parse(json)) {
            drawSheet(area, page);
        }
        const title = document.title;
        document.title = name;
        try {
            window.print();
        } finally {
            document.title = title;
        }
    }

    // ---- The menus ----

    function buildMenu(bar, entries, run) {
        const [top, ...items] = entries;
        const wrapper = element('div', { class: 'menu' });
        const button = element('button', { type: 'button', id: top.control,
            'aria-haspopup': 'menu', 'aria-expanded': 'false' }, top.caption);
        const list = element('div', { role: 'menu', id: `${top.control}-items`, hidden: '' });
        const close = () => {
            list.hidden = true;
            button.setAttribute('aria-expanded', 'false');
        };
        button.addEventListener('click', () => {
            list.hidden = !list.hidden;
            button.setAttribute('aria-expanded', String(!list.hidden));
            if (!list.hidden) {
                list.querySelector('button').focus();
            }
        });
        for (const item of items) {
            const radio = /\(\d+\)$/.test(item.control);
            const entry = element('button', { type: 'button', id: item.control,
                role: radio ? 'menuitemradio' : 'menuitem' }, item.caption);
            if (radio) {
                entry.setAttribute('aria-checked', 'false');
            }
            entry.addEventListener('click', () => {
                close();
                button.focus();
                run(item.control);
            });
            list.append(entry);
        }
        wrapper.addEventListener('keydown', (event) => {
            if (event.key === 'Escape' && !list.hidden) {
                event.preventDefault();
                close();
                button.focus();
            }
        });
        wrapper.addEventListener('focusout', (event) => {
            if (!wrapper.contains(event.relatedTarget)) {
                close();
            }
        });
        wrapper.append(button, list);
        bar.append(wrapper);
    }

    // The View and Printer-Fonts menus at the top of the form; their items run as commands.
    function buildMenus(layout, run) {
        const bar = element('nav', { id: 'menuBar', class: 'menu-bar' });
        buildMenu(bar, layout.viewMenu, run);
        buildMenu(bar, layout.fontMenu, run);
        byId('frmMain').prepend(bar);
    }

    function setChecked(name, checked) {
        const item = byId(name);
        if (item) {
            item.setAttribute('aria-checked', String(checked));
        }
    }

    return { buildMenus, showReport, redrawReport, printPages, setChecked };
})();
