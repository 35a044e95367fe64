3
0, 
2.5, span
8.5, span
2
1, 1, 0, "quoted, with comma"
3
1, 0, "quoted, with comma"

1
2.1e+11, 

2
8.5E-6, span
8.5E-6, 
2
1, 2, 1, 1, x
2, 3, 1, 2, "quoted, with comma"
3
2, 1, 8, -2
1, 0.5, span
2, 1, 6
2
0, 0.25, "quoted, with comma"
1, 3, 12
9, 1, 0.5, 
2
3, 0, 3, x
3, 0, 3, 
