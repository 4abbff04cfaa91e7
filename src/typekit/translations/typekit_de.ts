<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Common::InvocationType</name>
    <message>
        <source>Button Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Left Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Right Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Middle Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Double Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Drag Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Context Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Context Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::BracketCategory</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>StopLoss</source>
        <translation>Stop-Loss</translation>
    </message>
    <message>
        <source>TakeProfit</source>
        <translation>Gewinnziel</translation>
    </message>
    <message>
        <source>StopLossTakeProfit</source>
        <translation>Stop-Loss und Gewinnziel</translation>
    </message>
    <message>
        <source>TrailingStop</source>
        <translation>Nachlaufender Stop</translation>
    </message>
    <message>
        <source>TrailingStopTakeProfit</source>
        <translation>Nachlaufender Stop und Gewinnziel</translation>
    </message>
</context>
<context>
    <name>Trade::ConnectionState</name>
    <message>
        <source>disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnecting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::EventReason</name>
    <message>
        <source>Placing Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and Cancel All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMS Generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All Orders for Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All Long Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel All Short Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close All Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close All Longs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close All Shorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close And Cancel Longs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close And Cancel Shorts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::EventSource</name>
    <message>
        <source>Trade Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Trading Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZEL-AT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Trade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp; Sales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detailed Quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option Chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward/Yield Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote Ticker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forex Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::LogCategory</name>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::OrderAction</name>
    <message>
        <source>Buy</source>
        <translation>Kauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Sell Short</source>
        <translation>Leerverkauf</translation>
    </message>
    <message>
        <source>Buy To Cover</source>
        <translation>Eindeckungskauf</translation>
    </message>
</context>
<context>
    <name>Trade::OrderExpiry</name>
    <message>
        <source>Good Till Cancel</source>
        <translation>Gültig bis Widerruf</translation>
    </message>
    <message>
        <source>Good Till Cancel Ext</source>
        <translation>Gültig bis Widerruf erw.</translation>
    </message>
    <message>
        <source>Good Till Date</source>
        <translation>Gültig bis Datum</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Tagesorder</translation>
    </message>
    <message>
        <source>Day Order Ext</source>
        <translation>Tagesorder erw.</translation>
    </message>
    <message>
        <source>Am</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Or Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day NB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended Hours</source>
        <translation>Erweiterte Handelszeit</translation>
    </message>
    <message>
        <source>At The Opening</source>
        <translation>Zur Eröffnung</translation>
    </message>
    <message>
        <source>Fill Or Kill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::OrderState</name>
    <message>
        <source>Queued</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Wird geändert</translation>
    </message>
    <message>
        <source>Canceling</source>
        <translation>Wird storniert</translation>
    </message>
    <message>
        <source>Placing</source>
        <translation>Wird platziert</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Storniert</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Ausgeführt</translation>
    </message>
</context>
<context>
    <name>Trade::Pyramid</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Adj. Qty Only</source>
        <translation>Nur Menge anp.</translation>
    </message>
    <message>
        <source>Adj. Qty &amp; Price</source>
        <translation>Menge und Preis anp.</translation>
    </message>
</context>
<context>
    <name>Trade::SymbolCategory</name>
    <message>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Spot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-Defined Spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Futures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Continuous&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Forwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indexes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-Defined Spreads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual Funds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money Funds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trade::TradeSide</name>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Glatt</translation>
    </message>
</context>
</TS>
