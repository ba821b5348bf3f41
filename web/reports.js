// The report pages in the browser: the View and Printer-Fonts menus, and a report page shown
// over the form as the engine lays it out (places in twips, fonts, rules, frames, the logo
// and charts as SVG). The engine decides every text, place and font; this only draws.
'use strict';

const PayvantaReports = (() => {
    const svgNamespace = 'http://www.w3.org/2000/svg';
    // The form lays its pages out at 15 twips to a pixel; CSS pixels are 96 to the inch,
    // as 1440 twips are, so the printed sheet is drawn at the same scale.
    const px = (twips) => `${twips / 15}px`;

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

    // The page, drawn from the engine's page data, until Back or Escape. The print
    // commands of its menu go back to the engine with the page's control names.
    function showReport(json, command) {
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
            menu.append(b);
        }
        const sheet = element('div', { class: 'report-page', 'data-page': page.page });
        sheet.style.width = px(page.width);
        sheet.style.height = px(page.height);
        for (const item of page.items) {
            sheet.append(drawItem(item, command));
        }
        const scroll = element('div', { class: 'report-scroll' });
        scroll.append(sheet);
        box.replaceChildren(element('h1', { class: 'report-caption' }, page.caption), menu, scroll);
        box.showModal();
        // The window opens on its first value.
        const first = sheet.querySelector('[tabindex="0"]');
        (first || menu.firstChild).focus();
        performance.mark('payvanta-report-shown');
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

    return { buildMenus, showReport, setChecked };
})();
