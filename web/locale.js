// The number, money and date conventions of the browser's language, read from its Intl
// data into the shape of the engine's locale conventions (model/locale_conventions.h), as
// the desktop program reads them from Qt's locale data. The engine formats every number;
// this only says which marks and patterns it uses.
'use strict';

const payvantaLocale = (() => {
    // Intl names no territory's currency. The euro area, and the currencies of the other
    // territories where cranes are sold; anywhere else amounts are in dollars.
    const euro = 'AD AT BE CY DE EE ES FI FR GR HR IE IT LT LU LV MC ME MT NL PT SI SK SM VA';
    const currencies = new Map([
        ...euro.split(' ').map((territory) => [territory, 'EUR']),
        ['AE', 'AED'], ['AR', 'ARS'], ['AU', 'AUD'], ['BG', 'BGN'], ['BR', 'BRL'], ['CA', 'CAD'],
        ['CH', 'CHF'], ['CL', 'CLP'], ['CN', 'CNY'], ['CO', 'COP'], ['CZ', 'CZK'], ['DK', 'DKK'],
        ['EG', 'EGP'], ['GB', 'GBP'], ['HK', 'HKD'], ['HU', 'HUF'], ['ID', 'IDR'], ['IL', 'ILS'],
        ['IN', 'INR'], ['IS', 'ISK'], ['JP', 'JPY'], ['KR', 'KRW'], ['LI', 'CHF'], ['MX', 'MXN'],
        ['MY', 'MYR'], ['NG', 'NGN'], ['NO', 'NOK'], ['NZ', 'NZD'], ['PE', 'PEN'], ['PH', 'PHP'],
        ['PK', 'PKR'], ['PL', 'PLN'], ['RO', 'RON'], ['RS', 'RSD'], ['RU', 'RUB'], ['SA', 'SAR'],
        ['SE', 'SEK'], ['SG', 'SGD'], ['TH', 'THB'], ['TR', 'TRY'], ['TW', 'TWD'], ['UA', 'UAH'],
        ['US', 'USD'], ['VN', 'VND'], ['ZA', 'ZAR'],
    ]);
    const numberParts = new Set(['integer', 'group', 'decimal', 'fraction']);

    // A currency text as a pattern: "n" for the digits, "$" for the symbol, "-" for the
    // negative sign; anything else stands for itself.
    function currencyPattern(money, value) {
        let pattern = '';
        for (const part of money.formatToParts(value)) {
            if (numberParts.has(part.type)) {
                pattern += pattern.endsWith('n') ? '' : 'n';
            } else if (part.type === 'currency') {
                pattern += '$';
            } else if (part.type === 'minusSign') {
                pattern += '-';
            } else {
                pattern += part.value;
            }
        }
        return pattern;
    }

    // A sample date or time as a pattern of the letters the reports' dates take (d, dd, M,
    // MM, yyyy, h, hh, H, HH, mm, ss, AP). The sample's day, month and hour are below ten,
    // so that a leading zero shows; the year always has four digits, as on the desktop.
    function dateTimePattern(format, moment, hour24) {
        const letters = {
            day: (v) => (v.length > 1 ? 'dd' : 'd'),
            month: (v) => (v.length > 1 ? 'MM' : 'M'),
            year: () => 'yyyy',
            hour: (v) => (hour24 ? 'H' : 'h').repeat(v.length > 1 ? 2 : 1),
            minute: () => 'mm',
            second: () => 'ss',
            dayPeriod: () => 'AP',
        };
        return format.formatToParts(moment)
            .map((part) => (letters[part.type] ? letters[part.type](part.value) : part.value))
            .join('');
    }

    // The conventions of a language tag such as "de-DE" or "fr"; null for United States
    // English, the engine's own, and for a tag that names no language.
    return (language) => {
        let locale;
        try {
            locale = new Intl.Locale(language).maximize();
        } catch {
            return null;
        }
        if (locale.language === 'en' && locale.region === 'US') {
            return null;
        }
        const tag = language;
        const marks = {};
        for (const part of new Intl.NumberFormat(tag).formatToParts(-1234567.5)) {
            marks[part.type] = part.value;
        }
        // Negative amounts as accountants write them, which is what Qt's locale data gives
        // the desktop: "(1 234,50 €)" in French, "-1.234,50 €" in German.
        const money = new Intl.NumberFormat(tag, { style: 'currency', currencySign: 'accounting',
            currency: currencies.get(locale.region) || 'USD',
            minimumFractionDigits: 2, maximumFractionDigits: 2 });
        const symbol = money.formatToParts(1).find((part) => part.type === 'currency');
        const sample = new Date(2026, 0, 5, 9, 4, 3);
        const time = new Intl.DateTimeFormat(tag, { timeStyle: 'medium' });
        const hour24 = ['h23', 'h24'].includes(time.resolvedOptions().hourCycle);
        return {
            decimalPoint: marks.decimal,
            groupSeparator: marks.group || '',
            negativeSign: marks.minusSign,
            currencySymbol: symbol ? symbol.value : '',
            positiveCurrencyPattern: currencyPattern(money, 1234.5),
            negativeCurrencyPattern: currencyPattern(money, -1234.5),
            shortDatePattern: dateTimePattern(new Intl.DateTimeFormat(tag, { dateStyle: 'short' }),
                sample, hour24),
            longTimePattern: dateTimePattern(time, sample, hour24),
        };
    };
})();
